#pragma once

#include <QHeaderView>
#include <QString>

#include <map>

namespace lumikan::ui {

// A table header painted in the theme's header colours, with a tooltip per
// column.
class CColorHeaderCtrl : public QHeaderView {
    Q_OBJECT

public:
    static constexpr int kTooltipMillis = 15000;
    static constexpr int kTextPadding = 6;

    explicit CColorHeaderCtrl(QWidget* parent = nullptr);

    // Tooltips by column index; columns without one show none.
    void setColumnTooltips(std::map<int, QString> tooltips);
    QString columnTooltip(int column) const;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    std::map<int, QString> tooltips_;
};

} // namespace lumikan::ui
