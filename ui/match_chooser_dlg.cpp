#include "ui/match_chooser_dlg.h"

#include "document/verokant_doc.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace lumikan::ui {

namespace {

constexpr int kMale = 0;
constexpr int kFemale = 1;

int indexOf(const std::vector<document::CVerokantDoc*>& charts, const document::CVerokantDoc* doc)
{
    const auto it = std::find(charts.begin(), charts.end(), doc);
    return it == charts.end() ? -1 : int(it - charts.begin());
}

} // namespace

MatchChoice proposedMatch(const std::vector<document::CVerokantDoc*>& charts)
{
    MatchChoice choice;
    for (document::CVerokantDoc* chart : charts) {
        const int gender = chart->birthDetails().gender;
        if (!choice.boy && gender == kMale)
            choice.boy = chart;
        else if (!choice.girl && gender == kFemale)
            choice.girl = chart;
    }
    // The rest in order, never the same chart twice.
    for (document::CVerokantDoc* chart : charts) {
        if (!choice.boy && chart != choice.girl)
            choice.boy = chart;
        else if (!choice.girl && chart != choice.boy)
            choice.girl = chart;
    }
    return choice;
}

QString matchChartLabel(const document::CVerokantDoc& chart)
{
    const engine::BirthDetails& b = chart.birthDetails();
    const QString name =
        chart.displayName().isEmpty() ? QStringLiteral("(no name)") : chart.displayName();
    QString gender;
    if (b.gender == kMale)
        gender = QStringLiteral("male, ");
    else if (b.gender == kFemale)
        gender = QStringLiteral("female, ");
    return QStringLiteral("%1 — %2born %3")
        .arg(name, gender, QString::asprintf("%02d-%02d-%04d", b.day, b.month, b.year));
}

CMatchChooserDlg::CMatchChooserDlg(std::vector<document::CVerokantDoc*> charts, QWidget* parent)
    : QDialog(parent), charts_(std::move(charts))
{
    setWindowTitle(QStringLiteral("Matchmaking"));
    boy_ = new QComboBox(this);
    boy_->setObjectName(QStringLiteral("boy"));
    girl_ = new QComboBox(this);
    girl_->setObjectName(QStringLiteral("girl"));
    for (const document::CVerokantDoc* chart : charts_) {
        boy_->addItem(matchChartLabel(*chart));
        girl_->addItem(matchChartLabel(*chart));
    }
    const MatchChoice proposed = proposedMatch(charts_);
    boy_->setCurrentIndex(indexOf(charts_, proposed.boy));
    girl_->setCurrentIndex(indexOf(charts_, proposed.girl));

    auto* form = new QFormLayout;
    auto* boyLabel = new QLabel(QStringLiteral("&Boy's chart:"), this);
    boyLabel->setBuddy(boy_);
    auto* girlLabel = new QLabel(QStringLiteral("&Girl's chart:"), this);
    girlLabel->setBuddy(girl_);
    form->addRow(boyLabel, boy_);
    form->addRow(girlLabel, girl_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setText(QStringLiteral("&Match"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Which two charts are to be matched?"), this));
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(boy_, &QComboBox::currentIndexChanged, this, &CMatchChooserDlg::check);
    connect(girl_, &QComboBox::currentIndexChanged, this, &CMatchChooserDlg::check);
    check();
}

void CMatchChooserDlg::check()
{
    ok_->setEnabled(boy_->currentIndex() >= 0 && girl_->currentIndex() >= 0 &&
                    boy_->currentIndex() != girl_->currentIndex());
}

MatchChoice CMatchChooserDlg::choice() const
{
    auto at = [this](int index) {
        return index >= 0 && index < int(charts_.size()) ? charts_[std::size_t(index)] : nullptr;
    };
    return {at(boy_->currentIndex()), at(girl_->currentIndex())};
}

} // namespace lumikan::ui
