// Runs the Qt Test classes of the desktop program; a class name as the first
// argument runs that class alone (the rest go to Qt Test).
#include <QApplication>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ui_test_support.h"
#include "ui_tests.h"

namespace {
bool testsOver = false;
}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The program under test must never end the process behind the tests' back:
  // an exit() before the tests are over fails the run.
  std::atexit([] {
    if (!testsOver) {
      std::fputs("FAIL: the program ended the process during a test\n", stderr);
      std::_Exit(1);
    }
  });
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
  run(vantry::uitest::DrillTest());
  run(vantry::uitest::MistakeTest());
  run(vantry::uitest::PathPanelTest());
  testsOver = true;
  return failures == 0 ? 0 : 1;
}
