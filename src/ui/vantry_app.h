// The application object: owns the one-per-run objects in the order they
// must come up (settings, help, platform, the game, its grid window, the
// frame) and goes down in reverse, so the settings file is flushed last.
#pragma once

#include <QString>
#include <memory>
#include <string>

namespace vantry {

class Game;
class GridWindow;
class HelpBrowser;
class HelpLinks;
class IniFile;
class MainFrame;
class QtPlatform;

class VantryApp {
 public:
  // settings is created by main before anything else and outlives the app.
  VantryApp(IniFile& settings, const QString& helpPath, std::string argument);
  ~VantryApp();

  // Shows the main window and starts the first-run steps.
  void start();

  MainFrame& frame() { return *m_frame; }
  Game& game() { return *m_game; }
  GridWindow& grid() { return *m_grid; }
  QtPlatform& platform() { return *m_platform; }
  HelpBrowser& help() { return *m_help; }

 private:
  IniFile& m_settings;
  std::unique_ptr<HelpBrowser> m_help;
  std::unique_ptr<QtPlatform> m_platform;
  std::unique_ptr<Game> m_game;
  std::unique_ptr<GridWindow> m_grid;
  std::unique_ptr<MainFrame> m_frame;
  std::unique_ptr<HelpLinks> m_links;
};

}  // namespace vantry
