#pragma once

#include <QDialog>

#include <vector>

class QComboBox;
class QPushButton;

namespace lumikan::document {
class CVerokantDoc;
}

namespace lumikan::ui {

// The two charts Tools > Matchmaking compares, the boy's first.
struct MatchChoice {
    document::CVerokantDoc* boy = nullptr;
    document::CVerokantDoc* girl = nullptr;
};

// What the chooser proposes: the first chart of a male as the boy's and the
// first of a female as the girl's; where the genders do not tell, the charts
// in the order they were opened.
MatchChoice proposedMatch(const std::vector<document::CVerokantDoc*>& charts);

// "Asha — female, born 11-03-1992"
QString matchChartLabel(const document::CVerokantDoc& chart);

// "Matchmaking": which two of the open charts to compare and whose is the
// boy's and whose the girl's. OK needs two different charts.
class CMatchChooserDlg : public QDialog {
    Q_OBJECT
public:
    CMatchChooserDlg(std::vector<document::CVerokantDoc*> charts, QWidget* parent = nullptr);

    MatchChoice choice() const;
    QComboBox* boyList() const { return boy_; }
    QComboBox* girlList() const { return girl_; }
    QPushButton* okButton() const { return ok_; }

private:
    void check();

    std::vector<document::CVerokantDoc*> charts_;
    QComboBox* boy_ = nullptr;
    QComboBox* girl_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace lumikan::ui
