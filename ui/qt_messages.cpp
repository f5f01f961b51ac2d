#include "ui/qt_messages.h"

#include "document/text_encoding.h"

#include <QApplication>
#include <QMessageBox>

namespace lumikan::ui {

QString productName() { return QString::fromLatin1(kProductName); }

QWidget* QtMessages::parentForBox() const
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return fallbackParent_.data();
}

namespace {

QMessageBox::StandardButton show(QWidget* parent, QMessageBox::Icon icon, std::string_view text,
                                 QMessageBox::StandardButtons buttons,
                                 QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, productName(), document::toQString(text), buttons, parent);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void QtMessages::error(std::string_view code, std::string_view message)
{
    show(parentForBox(), QMessageBox::Critical, document::formatCodedError(code, message),
         QMessageBox::Ok, QMessageBox::Ok);
}

void QtMessages::plain(std::string_view message)
{
    show(parentForBox(), QMessageBox::NoIcon, message, QMessageBox::Ok, QMessageBox::Ok);
}

void QtMessages::warning(std::string_view message)
{
    show(parentForBox(), QMessageBox::Warning, message, QMessageBox::Ok, QMessageBox::Ok);
}

void QtMessages::information(std::string_view message)
{
    show(parentForBox(), QMessageBox::Information, message, QMessageBox::Ok, QMessageBox::Ok);
}

document::Messages::Answer QtMessages::question(std::string_view message)
{
    switch (show(parentForBox(), QMessageBox::Question, message,
                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

}  // namespace lumikan::ui
