// Runs the Qt Test classes of the desktop program; a class name as the first
// argument runs that class alone (the rest go to Qt Test).
#include <QApplication>
#include <QTest>
#include <cstring>

#include "ui_test_support.h"
#include "ui_tests.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Run as a child by a test: a close request arrives during a long
  // computation, whose next poll must end the program with code 0.
  if (argc > 1 && std::strcmp(argv[1], "--close-during-computation") == 0) {
    return vantry::uitest::closeDuringComputation();
  }
  const char* only = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
  char** rest = only ? argv + 1 : argv;
  const int restCount = only ? argc - 1 : argc;
  int failures = 0;
  auto run = [&](QObject&& test) {
    const char* name = test.metaObject()->className();
    if (const char* colon = std::strrchr(name, ':')) name = colon + 1;  // without the namespace
    if (only && std::strcmp(only, name) != 0) return;
    failures += QTest::qExec(&test, restCount, rest);
  };
  run(vantry::uitest::PlatformTest());
  run(vantry::uitest::GridWindowTest());
  run(vantry::uitest::FrameTest());
  run(vantry::uitest::ButtonPaneTest());
  run(vantry::uitest::KeyboardPlayTest());
  return failures == 0 ? 0 : 1;
}
