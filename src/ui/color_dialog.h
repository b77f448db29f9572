// "Change colors": the colour elements in alphabetical order with their
// descriptions and a swatch; a colour is changed with the colour chooser or
// set back to its default and shows on the grid at once, and Cancel puts
// back the colours of the opening. A scheme list above sets all the colours
// at once to "Classic", "Dark" or "High contrast". The engine's ColorEditor does the work;
// this is its face.
#pragma once

#include "view/color_editor.h"
#include "ui/float_dlg.h"

class QComboBox;
class QLabel;
class QListWidget;

namespace vantry {

class PresentedGame;

class ColorDialog : public FloatDlg {
  Q_OBJECT
 public:
  ColorDialog(QWidget* owner, PresentedGame& game, GridWindow& grid, IniFile* settings);

  QListWidget* list() const { return m_list; }
  QLabel* description() const { return m_description; }
  QWidget* swatch() const { return m_swatch; }
  // The named schemes; its current entry is the scheme the colours match,
  // none when they are the player's own.
  QComboBox* schemes() const { return m_schemes; }
  void chooseScheme(int scheme);
  // The element selected in the list.
  int selectedElement() const { return m_editor.element(); }
  void changeColor() { button(kColorEditorChange); }
  void defaultColor() { button(kColorEditorDefault); }

 protected:
  void done(int result) override;

 private:
  void button(int id);
  void showSelected();

  ColorEditor m_editor;
  QListWidget* m_list;
  QLabel* m_description;
  QWidget* m_swatch;
  QComboBox* m_schemes;
};

}  // namespace vantry
