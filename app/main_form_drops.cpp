// What reaches the main window besides its commands: files and links dropped onto it, links
// in cells followed by a double-click, and the scripts of the recent-scripts list.

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>

#include "app/cell_links.h"
#include "app/cell_text.h"
#include "app/main_form.h"
#include "app/recent_scripts_menu.h"
#include "app/window_drops.h"
#include "extract/address_resolution.h"

namespace zendrik {

void TMainForm::NoteRecentScript(const QString& done) {
  if (Document_->ScriptFileName().empty()) return;
  Recent.Add(Document_->ScriptFileName());
  RecentMenu->Update();
  ShowStatus(done + DisplayText(Document_->ScriptFileName()));
}

void TMainForm::OpenExample(const std::string& fileName) {
  if (fileName.empty() || !Document_->AskToSaveChanges("Open script")) return;
  Document_->OpenFileWithName(fileName);
  ShowStatus("Opened the example " + Document_->FileNameOnly());
}

void TMainForm::OpenScriptAsked(const std::string& fileName) {
  if (fileName.empty() || !Document_->AskToSaveChanges("Open script")) return;
  try {
    Document_->OpenFileWithName(fileName);
  } catch (...) {
    // A script that can no longer be read leaves the list; the error is shown as usual.
    Recent.Remove(fileName);
    RecentMenu->Update();
    throw;
  }
  NoteRecentScript("Opened ");
}

TDrop TMainForm::AcceptableDrop(const QMimeData& data) const {
  return Work->Busy() ? TDrop() : ReadDrop(data);
}

void TMainForm::DropData(const QMimeData& data) {
  const TDrop drop = ReadDrop(data);
  Guarded(
      [this, &drop] {
        switch (drop.Kind) {
          case TDrop::TKind::Nothing: return;
          case TDrop::TKind::OpenScript: OpenScriptAsked(drop.Target); return;
          case TDrop::TKind::Extract:
            Edit1->setText(DisplayText(drop.Target));
            DownloadIt(drop.Target);
            return;
        }
      },
      TWindowCommands::TKind::Exclusive);
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
  if (AcceptableDrop(*event->mimeData()).Kind != TDrop::TKind::Nothing)
    event->acceptProposedAction();
}

void TMainForm::dragMoveEvent(QDragMoveEvent* event) {
  if (AcceptableDrop(*event->mimeData()).Kind != TDrop::TKind::Nothing)
    event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
  event->acceptProposedAction();
  DropData(*event->mimeData());
}

bool TMainForm::FilterDrop(QEvent& event) {
  // Files and links belong to the window; plain text dragged within or onto the editor and
  // the address field is theirs.
  const auto type = event.type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
  auto& drop = static_cast<QDropEvent&>(event);
  if (!drop.mimeData()->hasUrls()) return false;
  if (type == QEvent::Drop)
    dropEvent(&drop);
  else if (AcceptableDrop(*drop.mimeData()).Kind != TDrop::TKind::Nothing)
    drop.acceptProposedAction();
  else
    drop.ignore();
  return true;
}

void TMainForm::FollowCellLink(int row, int column) {
  const std::optional<std::string> address =
      CellLink(Table.ReadCell(row + 1, column + 1), !CurrentAddress().empty());
  if (!address) return;
  Guarded(
      [this, &address] {
        DownloadIt(*address);
        // As a browser's address bar does, the field shows the page now shown.
        Edit1->setText(DisplayText(CurrentAddress()));
      },
      TWindowCommands::TKind::Exclusive);
}

}  // namespace zendrik
