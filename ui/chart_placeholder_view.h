#pragma once

#include "document/document_view.h"

#include <QWidget>

class QLabel;
class QTableWidget;

namespace lumikan::document {
class CVerokantDoc;
}

namespace lumikan::ui {

// A plain view of a chart: its title, ascendant and ayanamsa, and the planet
// and cusp tables as text. Stands in until the full chart view exists.
class ChartPlaceholderView : public QWidget, public document::CView {
    Q_OBJECT
public:
    ChartPlaceholderView(document::CVerokantDoc& doc, QWidget* parent = nullptr);

    void OnUpdate(int hint) override;

    document::CVerokantDoc& document() const { return doc_; }

private:
    void refresh();

    document::CVerokantDoc& doc_;
    QLabel* title_ = nullptr;
    QLabel* summary_ = nullptr;
    QTableWidget* planets_ = nullptr;
    QTableWidget* cusps_ = nullptr;
};

}  // namespace lumikan::ui
