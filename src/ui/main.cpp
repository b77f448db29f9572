// Program entry of the desktop program: the settings object first, then the
// help path and the working folder, then the application and its loop.
#include <QApplication>
#include <filesystem>
#include <string>

#include "classlib/inifile.h"
#include "classlib/safe_file.h"
#include "classlib/working_folder.h"
#include "help/help_viewer.h"
#include "ui/app_icon.h"
#include "ui/main_frame.h"
#include "ui/single_instance.h"
#include "ui/vantry_app.h"

int main(int argc, char** argv) {
  // A write past the file-size limit fails with an error we report (and the
  // game stays in play) instead of ending the program.
  vantry::ignore_file_size_signal();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vantry"));
  QApplication::setWindowIcon(vantry::vantryIcon());

  // 1. The settings object; its file is read lazily, so the folder chosen
  //    below is the one it lives in.
  vantry::PrivateIniFile settings(vantry::kSettingsFileName);
  // 2. The help beside the program.
  const std::string program = QCoreApplication::applicationFilePath().toStdString();
  const QString helpPath = QString::fromStdString(vantry::help_file_path(program));
  // 3. The working folder; a file argument is made absolute first.
  const QStringList args = QCoreApplication::arguments();
  std::string argument = args.size() > 1 ? args.at(1).toStdString() : std::string();
  vantry::choose_working_folder(std::filesystem::path(program), argument);
  //    A saved game opened while Vantry runs goes to the running program.
  if (argument.find(".spz") != std::string::npos &&
      vantry::handToRunningInstance(vantry::instanceName(), QString::fromStdString(argument))) {
    return 0;
  }

  // 4. The application object, with the argument kept for the first drawing.
  int result = 0;
  {
    vantry::VantryApp vantryApp(settings, helpPath, argument);
    vantry::InstanceServer instances(vantry::instanceName(),
                                     [&](const QString& path) { vantry::openHandedGame(vantryApp, path); });
    QObject::connect(&vantryApp.frame(), &vantry::MainFrame::startupFinished, &instances,
                     &vantry::InstanceServer::ready);
    vantryApp.start();
    result = QApplication::exec();
  }
  return result;
}
