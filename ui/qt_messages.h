#pragma once

#include "document/messages.h"
#include "engine/coded_errors.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace lumikan::ui {

// The name every window and message box shows.
inline constexpr const char* kProductName = "Lumikan Astrology";
QString productName();

// Message boxes captioned with the product name, over whatever window is in
// front (a dialog if one is open, else `fallbackParent`).
class QtMessages : public document::Messages {
public:
    explicit QtMessages(QWidget* fallbackParent = nullptr) : fallbackParent_(fallbackParent) {}
    void setFallbackParent(QWidget* parent) { fallbackParent_ = parent; }

    void error(std::string_view code, std::string_view message) override;
    void plain(std::string_view message) override;
    void warning(std::string_view message) override;
    void information(std::string_view message) override;
    Answer question(std::string_view message) override;

    // The parent a box should have now.
    QWidget* parentForBox() const;

private:
    QPointer<QWidget> fallbackParent_;
};

}  // namespace lumikan::ui
