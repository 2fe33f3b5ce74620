// The floor for any Qt program here: a main window with a menu bar and six hidden tool windows,
// and nothing else. Zarlin's start-up time and memory are compared with it.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <memory>
#include <vector>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow main;
  main.setWindowTitle("Floor");
  main.menuBar()->addMenu("&File")->addAction("E&xit", &app, &QApplication::quit);
  std::vector<std::unique_ptr<QWidget>> tools;
  for (int i = 0; i < 6; ++i) {
    tools.push_back(std::make_unique<QWidget>(nullptr, Qt::Tool));
    tools.back()->setFixedSize(48, 48);
  }
  main.resize(238, 80);
  main.show();
  return QApplication::exec();
}
