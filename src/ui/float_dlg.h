// The base of the dialogs that remember where the player left them: on
// closing, the offset of the dialog from the nearest corner of its owner is
// stored in the dialog's own settings section; on opening, the dialog goes
// back to that offset from the same corner, pulled inside the work area.
#pragma once

#include <QDialog>
#include <string>

namespace vantry {

class IniFile;

class FloatDlg : public QDialog {
  Q_OBJECT
 public:
  FloatDlg(QWidget* owner, IniFile* settings, std::string section);

  const std::string& section() const { return m_section; }
  // Moves the dialog to its remembered place; runs when it is first shown.
  void placeFromSettings();
  // Stores the dialog's place and flushes the settings file.
  void savePlacement();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QWidget* m_owner;
  IniFile* m_settings;
  std::string m_section;
};

}  // namespace vantry
