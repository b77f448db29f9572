// "Change colors": the colour elements in alphabetical order with their
// descriptions and a swatch; a colour is changed with the colour chooser or
// set back to its default and shows on the grid at once, and Cancel puts
// back the colours of the opening. The engine's ColorEditor does the work;
// this is its face.
#pragma once

#include "game/color_editor.h"
#include "ui/float_dlg.h"

class QLabel;
class QListWidget;

namespace vantry {

class Game;

class ColorDialog : public FloatDlg {
  Q_OBJECT
 public:
  ColorDialog(QWidget* owner, Game& game, IniFile* settings);

  QListWidget* list() const { return m_list; }
  QLabel* description() const { return m_description; }
  QWidget* swatch() const { return m_swatch; }
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
};

}  // namespace vantry
