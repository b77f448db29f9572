#include "ui/vantry_app.h"

#include <QApplication>

#include "classlib/inifile.h"
#include "game/game.h"
#include "view/grid_window.h"
#include "help/help_browser.h"
#include "help/help_key.h"
#include "ui/help_links.h"
#include "ui/main_frame.h"
#include "ui/qt_platform.h"

namespace vantry {

VantryApp::VantryApp(IniFile& settings, const QString& helpPath, std::string argument) : m_settings(settings) {
  m_help = std::make_unique<HelpBrowser>(helpPath);
  // F1 anywhere opens the help of what has the focus; the filter goes with the help.
  qApp->installEventFilter(new HelpKey(*m_help, m_help.get()));
  m_platform = std::make_unique<QtPlatform>(&settings, m_help.get());
  m_game = std::make_unique<Game>(*m_platform, *m_platform);
  m_game->attach_settings(settings);
  m_grid = std::make_unique<GridWindow>(*m_game);
  m_frame = std::make_unique<MainFrame>(*m_game, *m_grid, *m_platform, settings, std::move(argument));
  // "Practise this strategy" on a help page practises in the main window.
  m_links = std::make_unique<HelpLinks>([this](int id) {
    m_frame->raise();
    m_frame->activateWindow();
    m_frame->runCommand(id);
  });
}

VantryApp::~VantryApp() {
  // Timers and dialogs go before the game they call into.
  m_links.reset();
  m_frame.reset();
  m_platform->setMainWindow(nullptr);
  m_grid.reset();
  m_game.reset();
  m_platform.reset();
  m_help.reset();
  m_settings.flush(false);
}

void VantryApp::start() { m_frame->start(); }

}  // namespace vantry
