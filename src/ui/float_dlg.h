// The base of the dialogs that remember where the player left them: on
// closing, the offset of the dialog from the nearest corner of its owner is
// stored in the dialog's own settings section; on opening, the dialog goes
// back to that offset from the same corner, pulled inside the work area.
#pragma once

#include <QDialog>
#include <optional>
#include <string>

namespace vantry {

class IniFile;

class FloatDlg : public QDialog {
  Q_OBJECT
 public:
  FloatDlg(QWidget* owner, IniFile* settings, std::string section);

  const std::string& section() const { return m_section; }
  // Moves the dialog to its remembered place; runs each time it is shown.
  void placeFromSettings();
  // Stores the dialog's place and flushes the settings file.
  void savePlacement();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  // The window manager's frame around the client: the dialog's own once it
  // has one, else the owner's (the same manager frames both alike).
  QMargins frameMarginsNow() const;
  // Puts the frame's top-left at the point, by placing the client inside it.
  void moveFrameTo(const QPoint& frameTopLeft);

  QWidget* m_owner;
  IniFile* m_settings;
  std::string m_section;
  // Where the frame was asked to go, until the window manager has framed it.
  std::optional<QPoint> m_wanted;
};

}  // namespace vantry
