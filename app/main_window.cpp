// The main window: start-up, the menu bar and the round and score counters.
#include "main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>
#include <algorithm>

#include "desktop/primary_screen.h"
#include "windows/colour_family.h"
#include "windows/qt_game_windows.h"
#include "window_parts/mirrored_places.h"
#include "window_parts/readable_texts.h"
#include "window_parts/twips.h"

namespace zarlin {

namespace {

constexpr QSize ClientSize = TwipsSize(3570, 885);

QLabel* AddLabel(QWidget* parent, const char* name, const QString& caption, QRect rect) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  label->setGeometry(rect);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

}  // namespace

MainWindow::MainWindow(TimerFactory& timers, RandomSource& random, Sound& sound)
    : options_([this] { return std::make_unique<OptionsDialog>(game_->vars, game_->constants); }) {
  setObjectName("Main");
  setWindowTitle("Zarlin");
  createCounters();
  createMenus();
  Form_Load(timers, random, sound);
}

MainWindow::~MainWindow() = default;

void MainWindow::Form_Load(TimerFactory& timers, RandomSource& random, Sound& sound) {
  // The counters and settings take their start-up values as the game is made; the game needs
  // the windows it acts on, which create their buttons and notices once it exists.
  sound_ = &sound;
  windows_ = std::make_unique<QtGameWindows>(*lblRoundValue_, *lblScoreValue_, timers, sound);
  game_ = std::make_unique<Game>(*windows_, timers, random);
  windows_->CreateColourWindows(*game_);
  windows_->AnswerColourKeys(*this);
  info_.Create();
  windows_->CreateNotices();

  // A language whose menu names run longer than the English widens the window to show them all,
  // rather than hide the last behind the menu bar's overflow button.
  const QSize menus = menuBar()->sizeHint();
  resize(std::max(ClientSize.width(), menus.width()), ClientSize.height() + menus.height());
  if (const QRect screen = PrimaryScreenArea(); !screen.isEmpty()) {
    move(screen.center() - rect().center());
  }
}

void MainWindow::createCounters() {
  auto* client = new QWidget(this);
  //: The label before the round counter.
  AddLabel(client, "lblRound", tr("Round:"), TwipsRect(240, 120, 615, 255));
  lblRoundValue_ = AddLabel(client, "lblRoundValue", "1", TwipsRect(960, 120, 2655, 255));
  AddLabel(client, "lblScore", tr("Score:"), TwipsRect(240, 480, 615, 255));
  lblScoreValue_ = AddLabel(client, "lblScoreValue", "0", TwipsRect(960, 480, 2655, 255));
  // A screen reader reads a counter as its value; what it counts is its description.
  //: What a screen reader says after the round counter's value: the round of the game (a
  //: sequence one colour longer each time), not a shape.
  lblRoundValue_->setAccessibleDescription(tr("Round", "counter"));
  //: What a screen reader says after the score counter's value: the points won so far.
  lblScoreValue_->setAccessibleDescription(tr("Score", "counter"));
  client->resize(ClientSize);
  PlaceInReadingDirection(*client);
  FitTexts(*client);
  setCentralWidget(client);
}

template <typename Handler>
QAction* MainWindow::addItem(QMenu* menu, const char* name, const QString& caption,
                             Handler handler, const QKeySequence& shortcut) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  action->setShortcut(shortcut);
  connect(action, &QAction::triggered, this, handler);
  return action;
}

void MainWindow::createMenus() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->setObjectName("File");
  addItem(file, "F_NewGame", tr("&New Game"), &MainWindow::F_NewGame_Click, QKeySequence("Ctrl+N"));
  addItem(file, "F_Exit", tr("&Exit"), &MainWindow::F_Exit_Click, QKeySequence("Ctrl+Q"));

  QMenu* view = menuBar()->addMenu(tr("&View"));
  view->setObjectName("View");
  for (const ColourDesign& design : ColourFamily) {
    addItem(view, design.viewItem, tr(design.viewCaption),
            [this, colour = design.number] { windows_->ShowColourWindow(colour); });
  }
  addItem(view, "V_ShowCurrent", tr("&Show Current Buttons"), &MainWindow::V_ShowCurrent_Click);

  QMenu* game = menuBar()->addMenu(tr("&Game"));
  game->setObjectName("Game");
  addItem(game, "G_Options", tr("&Options..."), &MainWindow::G_Options_Click);
  // Not kept between runs, like every setting: a player who wants the game silent for good
  // mutes it in the desktop's mixer, which remembers.
  QAction* sound = addItem(game, "G_Sound", tr("&Sound"), &MainWindow::G_Sound_Click,
                           QKeySequence("Ctrl+M"));
  sound->setCheckable(true);
  sound->setChecked(true);

  QMenu* info = menuBar()->addMenu(tr("&Info"));
  info->setObjectName("Info");
  addItem(info, "I_Rules", tr("&Rules"), [this] { info_.Rules.Show(); });
  QMenu* about = info->addMenu(tr("&About"));
  about->setObjectName("I_About");
  addItem(about, "I_A_Zarlin", tr("&Zarlin"), [this] { info_.AboutZarlin.Show(); });
  addItem(about, "I_A_Quorvel", tr("&Quorvel"), [this] { info_.AboutQuorvel.Show(); });
  addItem(about, "I_A_Author", tr("&Author"), [this] { info_.AboutAuthor.Show(); });
  addItem(info, "I_License", tr("&License"), [this] { info_.License.Show(); });
}

void MainWindow::F_NewGame_Click() {
  sound_->GetReady();
  game_->NewGame();
}

void MainWindow::F_Exit_Click() { QCoreApplication::exit(0); }

void MainWindow::V_ShowCurrent_Click() { windows_->ArrangeButtons(game_->vars.ColourCount); }

// The dialog is made afresh, filled from the settings; while it is open, this does nothing.
void MainWindow::G_Options_Click() {
  if (options_.Existing() == nullptr) options_.Show();
}

void MainWindow::G_Sound_Click(bool checked) { windows_->SetSoundOn(checked); }

// Form_Unload: closing the main window ends the program at once, whatever else is open.
void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  QCoreApplication::exit(0);
}

}  // namespace zarlin
