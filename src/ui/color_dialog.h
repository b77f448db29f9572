// "Change colors": the colour elements in alphabetical order with their
// descriptions and a swatch; a colour is changed with the colour chooser or
// set back to its default and shows on the grid at once. Cancel puts back
// the colours the dialog opened with.
#pragma once

#include "game/color_mgr.h"
#include "ui/float_dlg.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace vantry {

class GridWindow;
class Platform;

class ColorDialog : public FloatDlg {
  Q_OBJECT
 public:
  ColorDialog(QWidget* owner, GridWindow& grid, Platform& platform);

  QListWidget* list() const { return m_list; }
  QLabel* description() const { return m_description; }
  QWidget* swatch() const { return m_swatch; }
  // The element selected in the list, or -1.
  int selectedElement() const;
  void changeColor();
  void defaultColor();

 protected:
  void done(int result) override;

 private:
  void showSelected();
  void changed(int element);

  GridWindow& m_grid;
  Platform& m_platform;
  ColorMgr m_copy;  // the colours at opening, for Cancel
  QListWidget* m_list;
  QLabel* m_description;
  QWidget* m_swatch;
};

}  // namespace vantry
