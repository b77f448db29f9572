// The base of the dialogs that remember where the player left them: on
// closing, the offset of the dialog from the nearest corner of its owner is
// stored in the dialog's own settings section; on opening, the dialog goes
// back to that offset from the same corner, pulled inside the work area.
#pragma once

#include <QDialog>
#include <QPoint>
#include <QRect>
#include <string>

namespace vantry {

class IniFile;

// Where a dialog of the given size opens: owner corner (0 top-left,
// 1 top-right, 2 bottom-left, 3 bottom-right, anything else top-left) plus
// (dx, dy), then moved inside the work area.
QPoint floatDlgPosition(const QRect& owner, const QSize& dialog, int corner, int dx, int dy,
                        const QRect& workArea);

struct FloatPlacement {
  int corner, dx, dy;
};
// The owner corner nearest to the dialog's centre (the earlier corner on a
// tie) and the dialog's offset from it.
FloatPlacement floatDlgPlacement(const QRect& owner, const QRect& dialog);

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
