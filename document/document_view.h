#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace lumikan::document {

class CDocument;

// A window that shows a document and is told when it changes.
class CView {
public:
    virtual ~CView() = default;
    virtual void OnUpdate(int hint) = 0;
    // Hands edits the view still holds (such as notes being typed) to the
    // document; called before the document is saved.
    virtual void CommitPendingEdits() {}
};

// What a document needs from the desktop (or a test, or the CLI) to save and
// close: the save dialog, the save question and the failure reports.
class DocumentPrompts {
public:
    enum class Answer { Yes, No, Cancel };
    virtual ~DocumentPrompts() = default;
    // The save dialog: a chosen path, or empty on Cancel. `proposedName` is a
    // file name; the dialog filters "Lumikan Files (*.lmk)" and confirms
    // before replacing a file.
    virtual std::optional<QString> askSavePath(const QString& proposedName) = 0;
    // "Save changes to <title>?"
    virtual Answer askSaveChanges(const QString& title) = 0;
    virtual void reportLoadFailure(const QString& path, const QString& reason) = 0;
    virtual void reportSaveFailure(const QString& path, const QString& reason) = 0;
};

// A document with its path, title, modified flag and views.
class CDocument {
public:
    virtual ~CDocument() = default;

    const QString& GetPathName() const { return pathName_; }
    void SetPathName(const QString& path) { pathName_ = path; }
    const QString& GetTitle() const { return title_; }
    virtual void SetTitle(const QString& title) { title_ = title; }
    bool IsModified() const { return modified_; }
    // Tells onModifiedChanged when the flag changes.
    void SetModifiedFlag(bool modified = true);

    void AddView(CView* view);
    void RemoveView(CView* view);
    const std::vector<CView*>& views() const { return views_; }
    void UpdateAllViews(int hint);

    // A fresh, unnamed, unmodified document.
    virtual bool OnNewDocument();
    // Reads the file at `path`; false (reported) on failure.
    virtual bool OnOpenDocument(const QString& path);
    // Writes the file at `path`; false (reported) on failure.
    virtual bool OnSaveDocument(const QString& path);
    // Asked before closing: true when the document may close.
    virtual bool SaveModified();
    // Saves to `path`; an empty path is Save As and asks for one. With
    // replace, the path becomes the document's.
    virtual bool DoSave(const QString& path, bool replace = true);
    // A view came or went; a document without views asks to be closed.
    virtual void OnChangedViewList();

    void setPrompts(DocumentPrompts* prompts) { prompts_ = prompts; }
    DocumentPrompts* prompts() const { return prompts_; }
    // Called when the document has no views left and should be destroyed.
    std::function<void(CDocument*)> onCloseRequested;
    // Called when the modified flag changes (the window titles show it).
    std::function<void()> onModifiedChanged;
    // Called after the document was written to its file.
    std::function<void()> onSaved;

protected:
    // The file's bytes in and out; the format is the subclass's.
    virtual bool readFrom(const QByteArray& bytes, QString& reason) = 0;
    virtual QByteArray writeOut() = 0;

private:
    QString pathName_;
    QString title_;
    bool modified_ = false;
    std::vector<CView*> views_;
    DocumentPrompts* prompts_ = nullptr;
};

// The strings a document type gives the framework: names, file filter,
// extension, registry identifiers.
struct CDocTemplate {
    QString docName;
    QString fileNewName;
    QString filterName;
    QString filterExtension;
    QString regFileTypeId;
    QString regFileTypeName;
};

}  // namespace lumikan::document
