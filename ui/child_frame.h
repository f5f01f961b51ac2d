#pragma once

#include <QMdiSubWindow>

namespace lumikan::document {
class CView;
class CVerokantDoc;
}

namespace lumikan::ui {

class CVerokantApp;

// The window of one view of a chart document inside the main frame.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    // `view` must also be a document::CView; the frame adds it to the document.
    CChildFrame(CVerokantApp& app, document::CVerokantDoc& doc, QWidget* view);
    ~CChildFrame() override;

    document::CVerokantDoc& chartDocument() const { return doc_; }
    // The view itself, inside the scroll area that fills the window.
    QWidget* viewWidget() const { return viewWidget_; }
    document::CView* view() const { return view_; }

    // Closes without the save question (the question was asked already).
    void closeWithoutAsking();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void detachView();

    CVerokantApp& app_;
    document::CVerokantDoc& doc_;
    document::CView* view_ = nullptr;
    QWidget* viewWidget_ = nullptr;
    bool skipQuestion_ = false;
    bool detached_ = false;
};

}  // namespace lumikan::ui
