#include "document/document_view.h"

#include "document/atomic_file.h"
#include "document/regular_file.h"

#include <QFileInfo>

#include <algorithm>

namespace lumikan::document {

namespace {
// A chart file is a few kilobytes; anything near this size is not one.
constexpr qint64 kMaxDocumentBytes = 64 * 1024 * 1024;
}  // namespace

void CDocument::AddView(CView* view)
{
    if (std::find(views_.begin(), views_.end(), view) == views_.end())
        views_.push_back(view);
    OnChangedViewList();
}

void CDocument::RemoveView(CView* view)
{
    views_.erase(std::remove(views_.begin(), views_.end(), view), views_.end());
    OnChangedViewList();
}

void CDocument::UpdateAllViews(int hint)
{
    // A view may add or remove views while updating; walk a copy.
    const std::vector<CView*> current = views_;
    for (CView* v : current)
        v->OnUpdate(hint);
}

void CDocument::SetModifiedFlag(bool modified)
{
    if (modified_ == modified)
        return;
    modified_ = modified;
    if (onModifiedChanged)
        onModifiedChanged();
}

bool CDocument::OnNewDocument()
{
    pathName_.clear();
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnOpenDocument(const QString& path)
{
    const FileRead read = readRegularFile(path, kMaxDocumentBytes);
    QString reason = fileReadFailureText(read, QStringLiteral("chart file"));
    if (read.status == FileReadStatus::Ok && readFrom(read.bytes, reason)) {
        pathName_ = path;
        SetModifiedFlag(false);
        return true;
    }
    if (prompts_)
        prompts_->reportLoadFailure(path, reason);
    return false;
}

bool CDocument::OnSaveDocument(const QString& path)
{
    QString reason;
    if (!writeFileAtomically(path, writeOut(), &reason)) {
        if (prompts_)
            prompts_->reportSaveFailure(path, reason);
        return false;
    }
    SetModifiedFlag(false);
    if (onSaved)
        onSaved();
    return true;
}

bool CDocument::SaveModified()
{
    if (!modified_)
        return true;
    const DocumentPrompts::Answer answer =
        prompts_ ? prompts_->askSaveChanges(title_) : DocumentPrompts::Answer::No;
    switch (answer) {
    case DocumentPrompts::Answer::Cancel: return false;
    case DocumentPrompts::Answer::No: return true;
    case DocumentPrompts::Answer::Yes: break;
    }
    return DoSave(pathName_);
}

bool CDocument::DoSave(const QString& path, bool replace)
{
    QString target = path;
    if (target.isEmpty()) {
        // Save As: ask, proposing the current file's name (or the title).
        if (!prompts_)
            return false;
        const QString proposed = pathName_.isEmpty() ? title_ : QFileInfo(pathName_).fileName();
        const auto chosen = prompts_->askSavePath(proposed);
        if (!chosen)
            return false;
        target = *chosen;
    }
    if (!OnSaveDocument(target))
        return false;
    if (replace)
        pathName_ = QFileInfo(target).absoluteFilePath();
    return true;
}

void CDocument::OnChangedViewList()
{
    if (views_.empty() && onCloseRequested)
        onCloseRequested(this);
}

}  // namespace lumikan::document
