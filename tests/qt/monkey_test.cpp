// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// A seeded random stream of user events on the real windows, headless: clicks
// on every control of whatever window is on top (main, coil, About, message
// boxes, menus), typing and pasting any text, keys, the system menu, the close
// box and an answer to every box that opens. Where the main window ends, a
// fresh one opens and the stream goes on.
//
// It checks that nothing crashes, that no event hangs (a watchdog timer fails
// the test and closes every window; a watchdog thread ends a process that
// spins), and that no edit's text changes except as the user typed it or as a
// command writes it. A model keeps what every edit should hold; the commands
// run on the in-memory window, with the same inputs and prompt answer, say
// what Calculate, Calc. Turns and Calc. L write.
//
// monkey_test --seed=S --events=N [--log], or TAVILO_MONKEY_SEED,
// TAVILO_MONKEY_EVENTS and TAVILO_MONKEY_LOG; scripts/monkey.sh EVENTS SEED
// builds and runs it. A failure, a crash or a hang names its seed and event,
// and the command that replays it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QCommandLineParser>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBoundaryFinder>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "app/pi_network_app.h"
#include "platform/memory_window.h"
#include "platform/qt/qt_dialog_host.h"
#include "platform/qt/qt_window_system.h"
#include "platform/qt/text.h"
#include "platform/resources.h"
#include "res/resource_ids.h"
#include "ui/calculate_command.h"
#include "ui/coil_commands.h"
#include "ui/pi_network_dialog.h"

namespace tavilo::testing {
namespace {

using platform::IDCANCEL;
using platform::IDOK;
using platform::qt::TemplateWindow;
using platform::qt::ToStdString;

// ---------------------------------------------------------------------------
// What to run, from the command line or the environment.

struct MonkeyOptions {
    std::uint64_t seed = 1;
    long events = 5000;
    bool log = false;
};

MonkeyOptions gOptions;

// The event being played, for the crash and hang reports.
std::atomic<long> gEvent{0};

// A watchdog timer fails an event that has not ended after this long (a
// window nobody plays, a nested loop that never returns); a pasted megabyte
// takes the line edit a second or two.
constexpr int kEventTimeoutMs = 60'000;
// The watchdog thread ends a process whose events have made no progress for
// this long: code that spins never lets the timer run.
constexpr std::chrono::seconds kHangLimit{180};

// The stream up to an event depends on the seed alone, so this replays it.
std::string ReplayCommand(long event) {
    return "scripts/monkey.sh " + std::to_string(event + 1) + " " + std::to_string(gOptions.seed) +
           " --log";
}

// ---------------------------------------------------------------------------
// Crash and hang reports name the seed and the event.

constexpr int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
struct sigaction gPreviousActions[std::size(kFatalSignals)];

void AppendText(char* buffer, std::size_t& length, std::size_t size, const char* text) {
    while (*text != '\0' && length + 1 < size) buffer[length++] = *text++;
}

void AppendNumber(char* buffer, std::size_t& length, std::size_t size, std::uint64_t value) {
    char digits[24];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (count > 0 && length + 1 < size) buffer[length++] = digits[--count];
}

// Writes the seed and event with async-signal-safe calls only, then hands the
// signal back to whoever had it (the sanitizers, or the default action).
void OnFatalSignal(int signal) {
    char report[256];
    std::size_t length = 0;
    const long event = gEvent.load();
    AppendText(report, length, sizeof report, "\nmonkey: fatal signal ");
    AppendNumber(report, length, sizeof report, static_cast<std::uint64_t>(signal));
    AppendText(report, length, sizeof report, " at event ");
    AppendNumber(report, length, sizeof report, static_cast<std::uint64_t>(event));
    AppendText(report, length, sizeof report, "; replay: scripts/monkey.sh ");
    AppendNumber(report, length, sizeof report, static_cast<std::uint64_t>(event + 1));
    AppendText(report, length, sizeof report, " ");
    AppendNumber(report, length, sizeof report, gOptions.seed);
    AppendText(report, length, sizeof report, " --log\n");
    [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, report, length);
    for (std::size_t i = 0; i < std::size(kFatalSignals); ++i) {
        if (kFatalSignals[i] == signal) sigaction(signal, &gPreviousActions[i], nullptr);
    }
    // A fault happens again on return and reaches the previous handler; abort
    // raises its signal again itself.
}

void InstallCrashReport() {
    for (std::size_t i = 0; i < std::size(kFatalSignals); ++i) {
        struct sigaction action {};
        action.sa_handler = OnFatalSignal;
        sigemptyset(&action.sa_mask);
        sigaction(kFatalSignals[i], &action, &gPreviousActions[i]);
    }
}

class HangWatch {
  public:
    HangWatch() : thread_([this] { Watch(); }) {}
    ~HangWatch() {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }
    HangWatch(const HangWatch&) = delete;
    HangWatch& operator=(const HangWatch&) = delete;

    void Progress() { lastProgress_.store(Clock::now().time_since_epoch().count()); }

  private:
    using Clock = std::chrono::steady_clock;

    void Watch() {
        std::unique_lock lock(mutex_);
        while (!wake_.wait_for(lock, std::chrono::seconds(1), [this] { return stop_; })) {
            const Clock::time_point last{Clock::duration(lastProgress_.load())};
            if (Clock::now() - last < kHangLimit) continue;
            const long event = gEvent.load();
            std::fprintf(
                stderr, "\nmonkey: hang: event %ld made no progress for %lld s; replay: %s\n",
                event, static_cast<long long>(kHangLimit.count()), ReplayCommand(event).c_str());
            std::fflush(stderr);
            std::abort();
        }
    }

    std::atomic<Clock::rep> lastProgress_{Clock::now().time_since_epoch().count()};
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    std::thread thread_;  // last: starts once the members it reads exist
};

// ---------------------------------------------------------------------------
// Random choices. The engine's output is fixed by the standard; the
// reductions below are the test's own, so a seed replays the same stream with
// any standard library.

class Dice {
  public:
    explicit Dice(std::uint64_t seed) : engine_(seed) {}

    int Below(int n) { return static_cast<int>(engine_() % static_cast<std::uint64_t>(n)); }
    int Between(int low, int high) { return low + Below(high - low + 1); }
    bool PerMille(int chance) { return Below(1000) < chance; }

    // An index drawn with the given weights.
    int Weighted(std::initializer_list<int> weights) {
        int total = 0;
        for (const int weight : weights) total += weight;
        int roll = Below(total);
        int index = 0;
        for (const int weight : weights) {
            if (roll < weight) return index;
            roll -= weight;
            ++index;
        }
        return index - 1;
    }

    template <class T>
    const T& Pick(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(Below(static_cast<int>(items.size())))];
    }

  private:
    std::mt19937_64 engine_;
};

// ---------------------------------------------------------------------------
// Texts.

// One code point as UTF-16. (QString::fromUcs4 would take U+FEFF and U+FFFE
// as byte-order marks.)
QString FromCodePoint(char32_t codePoint) {
    if (QChar::requiresSurrogates(codePoint)) {
        const QChar pair[] = {QChar(QChar::highSurrogate(codePoint)),
                              QChar(QChar::lowSurrogate(codePoint))};
        return QString(pair, 2);
    }
    return QString(QChar(static_cast<char16_t>(codePoint)));
}

// A character a keyboard or an input method can type into a line edit:
// printable characters in many scripts, combining marks, characters outside
// the basic plane, format and private-use characters.
QString TypeableCharacter(Dice& dice) {
    static const QString kScripts =
        QStringLiteral("ΩµπΔαβγЖжЯשלוםمرحباऀक्षाহ中文字한국어ไทยカタカナ¿¡€£¥§°±²½Ææß");
    switch (dice.Below(12)) {
        case 0:
        case 1:
        case 2: {
            static const QString kNumeric = QStringLiteral("0123456789.eE+- ");
            return kNumeric.at(dice.Below(static_cast<int>(kNumeric.size())));
        }
        case 3:
            return QChar(static_cast<char16_t>(dice.Between(0x20, 0x7E)));
        case 4:
            return QChar(static_cast<char16_t>(dice.Between(0xA1, 0xFF)));
        case 5:
            return kScripts.at(dice.Below(static_cast<int>(kScripts.size())));
        case 6:
            return QChar(static_cast<char16_t>(dice.Between(0x0300, 0x036F)));
        case 7: {
            static const std::vector<std::pair<char32_t, char32_t>> kRanges = {
                {0x1F300, 0x1F64F}, {0x1D400, 0x1D433}, {0x20000, 0x2000F}, {0x10000, 0x1000F}};
            const auto& [low, high] = dice.Pick(kRanges);
            return FromCodePoint(
                low + static_cast<char32_t>(dice.Below(static_cast<int>(high - low + 1))));
        }
        case 8: {
            static const std::vector<char16_t> kFormats = {0x00AD, 0x200B, 0x200C, 0x200D, 0x200E,
                                                           0x200F, 0x202A, 0x202E, 0x2060, 0xFEFF};
            return QChar(dice.Pick(kFormats));
        }
        case 9:
            return QChar(static_cast<char16_t>(dice.Between(0xE000, 0xF8FF)));
        default:
            // Any printable character of the basic plane.
            for (;;) {
                const QChar c(static_cast<char16_t>(dice.Between(0x20, 0xFFFD)));
                if (!c.isSurrogate() && c.isPrint()) return c;
            }
    }
}

// Any character a clipboard can carry: what can be typed, and also control
// characters, line and paragraph separators, unassigned code points and
// noncharacters. Lone surrogates are left out: no clipboard carries them.
QString PastableCharacter(Dice& dice) {
    switch (dice.Below(8)) {
        case 0: {
            static const std::vector<char16_t> kControls = {0x00, 0x01, 0x08, 0x09, 0x0A, 0x0D,
                                                            0x1B, 0x1F, 0x7F, 0x85, 0x9F};
            return QChar(dice.Pick(kControls));
        }
        case 1: {
            static const std::vector<char32_t> kOdd = {0x2028, 0x2029, 0xFFFC,   0xFFFD,  0xFFFE,
                                                       0xFFFF, 0x0378, 0x10FFFF, 0xE0001, 0x1FFFE};
            return FromCodePoint(dice.Pick(kOdd));
        }
        default:
            return TypeableCharacter(dice);
    }
}

// A text that reads as a number, or nearly: plain, signed, with exponents at
// the ends of the double range, the words for infinity and NaN, and the
// usual slips ("5k", a decimal comma, hexadecimal).
QString NumberText(Dice& dice, int typicalMax) {
    switch (dice.Weighted({40, 15, 10, 10, 25})) {
        case 0:
            return QString::number(dice.Between(0, typicalMax));
        case 1:
            return QString::number(dice.Between(0, typicalMax)) + QLatin1Char('.') +
                   QString::number(dice.Between(0, 999));
        case 2:
            return QString::number(dice.Between(1, 9)) + QLatin1Char('e') +
                   QString::number(dice.Between(-330, 330));
        case 3:
            return QLatin1Char('-') + QString::number(dice.Between(0, typicalMax));
        default: {
            static const std::vector<QString> kOdd = {
                QString(),
                QStringLiteral("0"),
                QStringLiteral("-0"),
                QStringLiteral("1e308"),
                QStringLiteral("1.7976931348623157e308"),
                QStringLiteral("4.9e-324"),
                QStringLiteral("1e-304"),
                QStringLiteral("inf"),
                QStringLiteral("-infinity"),
                QStringLiteral("nan"),
                QStringLiteral("nan(123)"),
                QStringLiteral("5k"),
                QStringLiteral("3,5"),
                QStringLiteral("0x10"),
                QStringLiteral(" 12"),
                QStringLiteral(".5"),
                QStringLiteral("5."),
                QStringLiteral("1e"),
                QStringLiteral("+-3"),
            };
            return dice.Pick(kOdd);
        }
    }
}

// A long text for a paste: past the line edit's default limit of 32767, and
// now and then a megabyte. Mostly plain letters: each run of another script
// costs the line edit time to lay out.
QString LongText(Dice& dice) {
    const qsizetype length =
        dice.Below(5) == 0 ? qsizetype{1} << 20 : qsizetype{dice.Between(32768, 100000)};
    QString unit;
    const int unitLength = dice.Between(1, 40);
    for (int i = 0; i < unitLength; ++i)
        unit += QChar(static_cast<char16_t>(dice.Between(0x20, 0x7E)));
    QString text = NumberText(dice, 10000);
    text.reserve(length + 64);
    while (text.size() < length) {
        text += unit;
        if (dice.Below(64) == 0) text += PastableCharacter(dice);
    }
    return text;
}

QString ShortText(Dice& dice, bool pastable) {
    QString text;
    const int length = dice.Between(1, 12);
    for (int i = 0; i < length; ++i)
        text += pastable ? PastableCharacter(dice) : TypeableCharacter(dice);
    return text;
}

// A readable form of a text for reports: non-ASCII as \u{...}, long texts cut.
std::string Describe(const QString& text) {
    std::string out = "\"";
    int shown = 0;
    for (const char32_t c : text.toUcs4()) {
        if (++shown > 40) {
            out += "...\" (" + std::to_string(text.size()) + " UTF-16 units)";
            return out;
        }
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char escaped[16];
            std::snprintf(escaped, sizeof escaped, "\\u{%X}", static_cast<unsigned>(c));
            out += escaped;
        }
    }
    return out + "\"";
}

// A form's field text as an edit shows it.
QString FromFieldText(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// What an edit shows after its text went into a form and back. Field texts
// are UTF-8, which holds every character whole. The line edit can hold half a
// surrogate pair (its Delete key can split one when Thai text stands before
// it); that is no character, and UTF-8 takes it as "?".
QString ThroughExchange(const QString& text) {
    return FromFieldText(ToStdString(text));
}

// ---------------------------------------------------------------------------
// The windows' controls.

const std::vector<int> kMainEdits = {res::IDC_PLATE_Z, res::IDC_ANTENNA_Z, res::IDC_Q0,
                                     res::IDC_FREQ,    res::IDC_Q1,        res::IDC_Q2,
                                     res::IDC_C1,      res::IDC_C2,        res::IDC_L};
const std::vector<int> kCoilEdits = {res::IDC_COIL_L, res::IDC_COIL_DIAMETER, res::IDC_COIL_LENGTH,
                                     res::IDC_COIL_TURNS, res::IDC_COIL_SPACING};

// The largest number a typed input usually holds, by edit.
int TypicalMax(int id) {
    switch (id) {
        case res::IDC_PLATE_Z:
            return 10000;
        case res::IDC_ANTENNA_Z:
            return 600;
        case res::IDC_Q0:
            return 40;
        case res::IDC_FREQ:
            return 60;
        case res::IDC_COIL_DIAMETER:
            return 6;
        case res::IDC_COIL_LENGTH:
            return 12;
        default:
            return 100;
    }
}

enum class WindowKind { Main, Coil, About };

// What an event makes the window do, as the monkey expects it.
enum class Command {
    None,
    Calculate,
    CalcInductor,
    Notice,
    CalcTurns,
    CalcL,
    About,
    Move,
    Ok,
    Cancel,
    SystemMenu,
    EditMenu,
};

const char* Name(Command command) {
    switch (command) {
        case Command::None:
            return "nothing";
        case Command::Calculate:
            return "Calculate";
        case Command::CalcInductor:
            return "Calc. Inductor";
        case Command::Notice:
            return "the notice";
        case Command::CalcTurns:
            return "Calc. Turns";
        case Command::CalcL:
            return "Calc. L";
        case Command::About:
            return "About";
        case Command::Move:
            return "Move";
        case Command::Ok:
            return "OK";
        case Command::Cancel:
            return "Cancel";
        case Command::SystemMenu:
            return "the system menu";
        case Command::EditMenu:
            return "the edit's menu";
    }
    return "?";
}

// The command of a push button, by window and control id.
Command ButtonCommand(WindowKind kind, int id) {
    switch (kind) {
        case WindowKind::Main:
            switch (id) {
                case res::IDC_CALCULATE:
                    return Command::Calculate;
                case res::IDC_CALC_INDUCTOR:
                    return Command::CalcInductor;
                case res::IDC_NOTICE:
                    return Command::Notice;
                default:
                    return Command::None;
            }
        case WindowKind::Coil:
            switch (id) {
                case IDCANCEL:
                    return Command::Cancel;
                case res::IDC_CALC_TURNS:
                    return Command::CalcTurns;
                case res::IDC_CALC_L:
                    return Command::CalcL;
                default:
                    return Command::None;
            }
        case WindowKind::About:
            return id == IDOK ? Command::Ok : Command::None;
    }
    return Command::None;
}

Command MenuCommand(const QAction* action) {
    switch (action->data().toUInt()) {
        case platform::SC_MOVE:
            return Command::Move;
        case platform::SC_CLOSE:
            return Command::Cancel;
        case res::IDM_ABOUT:
            return Command::About;
        default:
            return Command::None;
    }
}

// A window that opened while an event was played, and how the monkey ended it.
struct Opened {
    enum class Kind { Box, Coil, About, Main, Other } kind = Kind::Other;
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int answer = 0;  // a box's answer
};

// One key press as the user makes it.
struct Key {
    Key(Qt::Key pressed = Qt::Key_unknown, Qt::KeyboardModifiers held = Qt::NoModifier,
        QString typed = {})
        : key(pressed), modifiers(held), text(std::move(typed)) {}
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QString text;  // for a typed character
};

// One running template window and what its edits should hold.
struct Session {
    TemplateWindow* window = nullptr;
    WindowKind kind = WindowKind::Main;
    std::vector<int> edits;
    std::map<int, QString> texts;
    ui::PiNetworkDialog* mainDialog = nullptr;  // the main window's dialog
};

// What one event should do: a command, and the new text of the edit it types
// into.
struct Prediction {
    Prediction() = default;
    explicit Prediction(Command expected) : command(expected) {}
    Command command = Command::None;
    int edit = 0;  // 0 when no edit's text changes
    QString editText;
    std::optional<QString> clipboard;
};

// ---------------------------------------------------------------------------
// The monkey.

class Monkey {
  public:
    Monkey(platform::Application& application, HangWatch& hangWatch)
        : application_(application), hangWatch_(hangWatch), dice_(gOptions.seed) {
        watchdog_.setSingleShot(true);
        watchdog_.setInterval(kEventTimeoutMs);
        QObject::connect(&watchdog_, &QTimer::timeout, [this] { OnWatchdog(); });
        QApplication::clipboard()->clear();
    }

    // Plays main windows one after another until the events are spent.
    void Run() {
        while (!failed_ && event_ < gOptions.events) {
            ui::PiNetworkDialog dialog;
            application_.SetMainWindow(&dialog);
            mainEnd_.reset();
            const std::vector<Opened> opened = WithModalPlayer(nullptr, [&] {
                const int end = dialog.RunModal();
                if (!failed_ && (!mainEnd_ || end != *mainEnd_)) {
                    Fail("the main window ended with " + std::to_string(end) + ", expected " +
                         (mainEnd_ ? std::to_string(*mainEnd_) : std::string("it to stay open")));
                }
            });
            application_.SetMainWindow(nullptr);
            if (!failed_ && (opened.size() != 1 || opened[0].kind != Opened::Kind::Main)) {
                Fail("the main window did not open");
            }
            ++mainWindows_;
        }
        watchdog_.stop();
        std::printf(
            "monkey: seed %llu: %ld events, %ld main windows, %ld coil windows, %ld About "
            "boxes, %ld message boxes, %ld commands, %ld pastes (%ld long, %ld of a "
            "megabyte); %s\n",
            static_cast<unsigned long long>(gOptions.seed), event_, mainWindows_, coilWindows_,
            aboutBoxes_, messageBoxes_, commands_, pastes_, longPastes_, megabytePastes_,
            failed_ ? "FAILED" : "no fault");
    }

  private:
    // --- events, failures and the watchdog ---------------------------------

    // Events are numbered in the order they begin; an event played in a
    // window that another event opened begins before that one ends.
    void BeginEvent(const std::string& what) {
        last_ = event_++;
        gEvent.store(last_);
        hangWatch_.Progress();
        watchdog_.start();
        current_ = what;
        if (gOptions.log) {
            std::printf("%7ld %s\n", last_, what.c_str());
            std::fflush(stdout);
        }
    }

    void EndEvent() {
        hangWatch_.Progress();
        watchdog_.start();
    }

    void Fail(const std::string& message) {
        if (failed_) return;
        failed_ = true;
        ADD_FAILURE() << "seed " << gOptions.seed << ", event " << last_ << " (" << current_
                      << "): " << message << "\nreplay: " << ReplayCommand(last_);
    }

    // An event that did not end in time: fail, then close every window and
    // leave every event loop, so that the nested loops unwind.
    void OnWatchdog() {
        Fail("the event did not end within " + std::to_string(kEventTimeoutMs / 1000) + " s");
        CloseEverything();
        QCoreApplication::exit(1);
    }

    static void CloseEverything() {
        for (int round = 0; round < 20; ++round) {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                popup->close();
            } else if (QWidget* modal = QApplication::activeModalWidget()) {
                if (auto* window = dynamic_cast<TemplateWindow*>(modal)) {
                    window->EndModal(IDCANCEL);
                } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                    dialog->done(QDialog::Rejected);
                } else {
                    modal->close();
                }
            } else {
                return;
            }
            QApplication::processEvents();
        }
    }

    bool Stopping() const { return failed_ || event_ >= gOptions.events; }

    // --- playing modal windows ---------------------------------------------

    // Runs `action`, playing every modal window that opens over `current`
    // meanwhile; returns what opened.
    std::vector<Opened> WithModalPlayer(QWidget* current, const std::function<void()>& action) {
        std::vector<Opened> opened;
        QTimer poll;
        poll.setInterval(2);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            // Wait until it has the keyboard, as a user would.
            if (modal == nullptr || modal == current || !modal->isActiveWindow()) return;
            poll.stop();
            opened.push_back(PlayModal(modal));
            poll.start();
        });
        poll.start();
        action();
        poll.stop();
        return opened;
    }

    Opened PlayModal(QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) return PlayBox(box);
        if (auto* window = dynamic_cast<TemplateWindow*>(modal)) {
            switch (window->dialog().templateId()) {
                case res::IDD_PI_NETWORK:
                    return PlayTemplateWindow(window, WindowKind::Main);
                case res::IDD_INDUCTOR:
                    return PlayTemplateWindow(window, WindowKind::Coil);
                case res::IDD_ABOUT:
                    return PlayTemplateWindow(window, WindowKind::About);
                default:
                    break;
            }
        }
        Fail("a window nobody knows opened: " + ToStdString(modal->windowTitle()));
        CloseEverything();
        return {};
    }

    // Waits until the window on top has the keyboard. When a window over it
    // closes, a desktop's window manager gives the keyboard back to it; the
    // offscreen platform has no window manager, so the monkey asks for it.
    bool WaitActive(QWidget* window) {
        if (!window->isActiveWindow()) window->activateWindow();
        const QDeadlineTimer deadline(5000);
        while (!window->isActiveWindow() && !deadline.hasExpired()) {
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        if (window->isActiveWindow()) return true;
        Fail("the window on top did not get the keyboard: " + ToStdString(window->windowTitle()));
        return false;
    }

    // --- a template window: main, coil or About ----------------------------

    Opened PlayTemplateWindow(TemplateWindow* window, WindowKind kind) {
        Session session;
        session.window = window;
        session.kind = kind;
        Opened opened;
        switch (kind) {
            case WindowKind::Main:
                opened.kind = Opened::Kind::Main;
                session.edits = kMainEdits;
                for (const int id : kMainEdits) session.texts[id] = QString();
                session.texts[res::IDC_ANTENNA_Z] = QStringLiteral("50");
                session.texts[res::IDC_Q0] = QStringLiteral("12");
                session.mainDialog = dynamic_cast<ui::PiNetworkDialog*>(&window->dialog());
                main_ = &session;
                break;
            case WindowKind::Coil:
                opened.kind = Opened::Kind::Coil;
                ++coilWindows_;
                session.edits = kCoilEdits;
                for (const int id : kCoilEdits) session.texts[id] = QString();
                // It opens with the main window's L text as it stands.
                if (main_ != nullptr) {
                    session.texts[res::IDC_COIL_L] = ThroughExchange(main_->texts[res::IDC_L]);
                }
                if (window->windowTitle() != QStringLiteral("Inductor Calculator")) {
                    Fail("the coil window's caption is " + ToStdString(window->windowTitle()));
                }
                break;
            case WindowKind::About:
                opened.kind = Opened::Kind::About;
                ++aboutBoxes_;
                if (window->windowTitle() != QStringLiteral("About Tavilo")) {
                    Fail("the About box's caption is " + ToStdString(window->windowTitle()));
                }
                break;
        }
        CheckTexts(session, "as the window opened");

        while (!failed_ && window->isVisible()) {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                PlayPopup(session, popup);
                continue;
            }
            if (!WaitActive(window)) break;
            if (Stopping()) {
                // The events are spent: close the window as a user would.
                PlayKey(session, Key{Qt::Key_Escape});
                continue;
            }
            PlayOneEvent(session);
        }
        if (failed_ && window->isVisible()) CloseEverything();
        if (kind == WindowKind::Main) main_ = nullptr;
        return opened;
    }

    void PlayOneEvent(Session& session) {
        const bool hasEdits = !session.edits.empty();
        switch (dice_.Weighted({hasEdits ? 250 : 0, hasEdits ? 80 : 0, 200, 100, 80, 30, 20, 30,
                                120, 15, 20, 15, 5, 10})) {
            case 0:
                TypeInto(session, dice_.Pick(session.edits));
                break;
            case 1:
                PasteInto(session, dice_.Pick(session.edits));
                break;
            case 2:
                ClickAnyControl(session);
                break;
            case 3:
                ClickCommandButton(session);
                break;
            case 4:
                PlayKey(session,
                        Key{dice_.Below(3) == 0 ? Qt::Key_Backtab : Qt::Key_Tab, Qt::NoModifier});
                break;
            case 5:
                PlayKey(session, Key{dice_.Below(2) == 0 ? Qt::Key_Return : Qt::Key_Enter});
                break;
            case 6:
                PlayKey(session, Key{Qt::Key_Escape});
                break;
            case 7:
                PlayKey(session, Key{Qt::Key_Space, Qt::NoModifier, QStringLiteral(" ")});
                break;
            case 8:
                PlayEditingKey(session);
                break;
            case 9:
                PlayKey(session, Key{Qt::Key_Space, Qt::AltModifier});
                break;
            case 10:
                RightClick(session);
                break;
            case 11:
                DoubleClickAnyControl(session);
                break;
            case 12:
                Play(session, "close box (Alt+F4)", Prediction{Command::Cancel},
                     [&] { session.window->close(); });
                break;
            default:
                // A typed character wherever the focus is.
                PlayKey(session, Key{Qt::Key_unknown, Qt::NoModifier, TypeableCharacter(dice_)});
                break;
        }
    }

    // The control ids of a window's widgets, for naming the focus.
    static int IdOf(const Session& session, const QWidget* widget) {
        if (widget == nullptr) return 0;
        for (const platform::ControlTemplate& control :
             platform::FindDialogTemplate(session.window->dialog().templateId())->controls) {
            if (control.id != -1 && session.window->Control(control.id) == widget)
                return control.id;
        }
        return 0;
    }

    static std::string NameOf(const QWidget* widget) {
        if (widget == nullptr) return "nothing";
        std::string name = widget->metaObject()->className();
        if (!widget->objectName().isEmpty()) name += " " + ToStdString(widget->objectName());
        return name;
    }

    // The window's own controls, in template order.
    static std::vector<QWidget*> Controls(const Session& session) {
        std::vector<QWidget*> controls;
        for (QObject* child : session.window->children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (widget != nullptr && !widget->isWindow() && widget->isVisible()) {
                controls.push_back(widget);
            }
        }
        return controls;
    }

    // What a left click at a point of the window does.
    Prediction PredictClick(const Session& session, QPoint at) const {
        QWidget* target = session.window->childAt(at);
        if (auto* push = qobject_cast<QPushButton*>(target)) {
            return Prediction{ButtonCommand(session.kind, IdOf(session, push))};
        }
        return {};
    }

    void ClickAt(Session& session, QWidget* control, QPoint local) {
        const QPoint at = control->mapTo(session.window, local);
        Play(session,
             "click " + NameOf(control) + " at " + std::to_string(at.x()) + "," +
                 std::to_string(at.y()),
             PredictClick(session, at),
             [&] { QTest::mouseClick(session.window->windowHandle(), Qt::LeftButton, {}, at); });
    }

    static QPoint RandomPointIn(Dice& dice, const QWidget* control) {
        return QPoint(dice.Between(1, std::max(1, control->width() - 2)),
                      dice.Between(1, std::max(1, control->height() - 2)));
    }

    void ClickAnyControl(Session& session) {
        const std::vector<QWidget*> controls = Controls(session);
        QWidget* control =
            controls[static_cast<std::size_t>(dice_.Below(static_cast<int>(controls.size())))];
        ClickAt(session, control, RandomPointIn(dice_, control));
    }

    void ClickCommandButton(Session& session) {
        std::vector<QWidget*> buttons;
        for (QWidget* control : Controls(session)) {
            if (qobject_cast<QAbstractButton*>(control) != nullptr) buttons.push_back(control);
        }
        if (buttons.empty()) return;
        QWidget* button =
            buttons[static_cast<std::size_t>(dice_.Below(static_cast<int>(buttons.size())))];
        ClickAt(session, button, button->rect().center());
    }

    void DoubleClickAnyControl(Session& session) {
        const std::vector<QWidget*> controls = Controls(session);
        QWidget* control =
            controls[static_cast<std::size_t>(dice_.Below(static_cast<int>(controls.size())))];
        const QPoint local = RandomPointIn(dice_, control);
        const QPoint at = control->mapTo(session.window, local);
        const Prediction once = PredictClick(session, at);
        if (once.command != Command::None) {
            // A button would take a double click as two presses; click it once.
            ClickAt(session, control, local);
            return;
        }
        // An edit selects a word; elsewhere nothing happens.
        Play(session,
             "double-click " + NameOf(control) + " at " + std::to_string(at.x()) + "," +
                 std::to_string(at.y()),
             once,
             [&] { QTest::mouseDClick(session.window->windowHandle(), Qt::LeftButton, {}, at); });
    }

    void RightClick(Session& session) {
        const std::vector<QWidget*> controls = Controls(session);
        QWidget* control =
            controls[static_cast<std::size_t>(dice_.Below(static_cast<int>(controls.size())))];
        const QPoint at = control->mapTo(session.window, RandomPointIn(dice_, control));
        // An edit has its own menu; anywhere else the window's system menu opens.
        QWidget* target = session.window->childAt(at);
        const Command command =
            qobject_cast<QLineEdit*>(target) != nullptr ? Command::EditMenu : Command::SystemMenu;
        Play(session,
             "right-click " + NameOf(target) + " at " + std::to_string(at.x()) + "," +
                 std::to_string(at.y()),
             Prediction{command},
             [&] { QTest::mouseClick(session.window->windowHandle(), Qt::RightButton, {}, at); });
    }

    // Clicks the edit, sometimes moves the cursor or selects everything, then
    // types a number or any text, one key per character.
    void TypeInto(Session& session, int id) {
        QLineEdit* edit = qobject_cast<QLineEdit*>(session.window->Control(id));
        ClickAt(session, edit, RandomPointIn(dice_, edit));
        if (Stopping() || !session.window->isVisible()) return;
        PlacePaste(session);
        const QString text =
            dice_.Below(5) < 3 ? NumberText(dice_, TypicalMax(id)) : ShortText(dice_, false);
        // One key per code point: a surrogate pair is one key's text.
        for (qsizetype i = 0; i < text.size();) {
            if (Stopping() || !session.window->isVisible() ||
                QApplication::activePopupWidget() != nullptr) {
                return;
            }
            const qsizetype units = text.at(i).isHighSurrogate() && i + 1 < text.size() &&
                                            text.at(i + 1).isLowSurrogate()
                                        ? 2
                                        : 1;
            const QString character = text.mid(i, units);
            i += units;
            PlayKey(session, character == QStringLiteral(" ")
                                 ? Key{Qt::Key_Space, Qt::NoModifier, character}
                                 : Key{Qt::Key_unknown, Qt::NoModifier, character});
        }
    }

    // Before typing or pasting: select all, or go to either end, or leave the
    // cursor where the click put it.
    void PlacePaste(Session& session) {
        switch (dice_.Below(4)) {
            case 0:
                PlayKey(session, Key{Qt::Key_A, Qt::ControlModifier});
                break;
            case 1:
                PlayKey(session, Key{Qt::Key_End});
                break;
            case 2:
                PlayKey(session, Key{Qt::Key_Home});
                break;
            default:
                break;
        }
    }

    void PasteInto(Session& session, int id) {
        QLineEdit* edit = qobject_cast<QLineEdit*>(session.window->Control(id));
        ClickAt(session, edit, RandomPointIn(dice_, edit));
        if (Stopping() || !session.window->isVisible()) return;
        PlacePaste(session);
        if (Stopping() || !session.window->isVisible() ||
            QApplication::activePopupWidget() != nullptr) {
            return;
        }
        // A new text on the clipboard, or what an earlier cut or copy left.
        if (dice_.Below(4) != 0) {
            clipboard_ = dice_.PerMille(30)    ? LongText(dice_)
                         : dice_.Below(2) == 0 ? NumberText(dice_, TypicalMax(id))
                                               : ShortText(dice_, true);
            QApplication::clipboard()->setText(clipboard_);
        }
        ++pastes_;
        if (clipboard_.size() > 32767) ++longPastes_;
        if (clipboard_.size() >= (qsizetype{1} << 20)) ++megabytePastes_;
        PlayKey(session, Key{Qt::Key_V, Qt::ControlModifier}, " of " + Describe(clipboard_));
    }

    void PlayEditingKey(Session& session) {
        static const std::vector<Key> kKeys = {
            {Qt::Key_Backspace},
            {Qt::Key_Delete},
            {Qt::Key_Home},
            {Qt::Key_End},
            {Qt::Key_Left},
            {Qt::Key_Right},
            {Qt::Key_Up},
            {Qt::Key_Down},
            {Qt::Key_Left, Qt::ShiftModifier},
            {Qt::Key_Right, Qt::ShiftModifier},
            {Qt::Key_Home, Qt::ShiftModifier},
            {Qt::Key_End, Qt::ShiftModifier},
            {Qt::Key_Left, Qt::ControlModifier},
            {Qt::Key_Right, Qt::ControlModifier},
            {Qt::Key_A, Qt::ControlModifier},
            {Qt::Key_C, Qt::ControlModifier},
            {Qt::Key_X, Qt::ControlModifier},
            {Qt::Key_V, Qt::ControlModifier},
        };
        PlayKey(session, dice_.Pick(kKeys));
    }

    static std::string KeyName(const Key& key) {
        std::string name;
        if (key.modifiers & Qt::ControlModifier) name += "Ctrl+";
        if (key.modifiers & Qt::AltModifier) name += "Alt+";
        if (key.modifiers & Qt::ShiftModifier) name += "Shift+";
        if (key.key == Qt::Key_unknown) {
            std::string units;
            for (const QChar c : key.text) units += " " + std::to_string(c.unicode());
            return name + "type " + Describe(key.text) + " [" + units + " ]";
        }
        return name + ToStdString(QKeySequence(key.key).toString());
    }

    // The text the focused edit holds after the key, from its cursor and
    // selection before it.
    static QString AfterInsert(const QLineEdit* edit, QString text, const QString& inserted) {
        int cursor = edit->cursorPosition();
        if (edit->hasSelectedText()) {
            cursor = edit->selectionStart();
            text.remove(cursor, edit->selectionLength());
        }
        text.insert(cursor, inserted);
        return text;
    }

    static QString AfterBackspace(const QLineEdit* edit, QString text) {
        if (edit->hasSelectedText()) {
            text.remove(edit->selectionStart(), edit->selectionLength());
            return text;
        }
        const int cursor = edit->cursorPosition();
        if (cursor == 0) return text;
        // One code point back: both halves of a surrogate pair.
        const bool pair = cursor >= 2 && text.at(cursor - 1).isLowSurrogate() &&
                          text.at(cursor - 2).isHighSurrogate();
        text.remove(cursor - (pair ? 2 : 1), pair ? 2 : 1);
        return text;
    }

    static QString AfterDelete(const QLineEdit* edit, QString text) {
        if (edit->hasSelectedText()) {
            text.remove(edit->selectionStart(), edit->selectionLength());
            return text;
        }
        const int cursor = edit->cursorPosition();
        if (cursor >= text.size()) return text;
        // One character as the reader sees it: up to the next grapheme
        // boundary of the text as the edit lays it out, control characters
        // and line separators shown as blanks.
        QString shown = text;
        for (QChar& c : shown) {
            if ((c.unicode() < 0x20 && c.unicode() != 0x09) || c == QChar::LineSeparator ||
                c == QChar::ParagraphSeparator || c == QChar::ObjectReplacementCharacter) {
                c = QLatin1Char(' ');
            }
        }
        QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, shown);
        graphemes.setPosition(cursor);
        const qsizetype next = graphemes.toNextBoundary();
        text.remove(cursor, (next < 0 ? text.size() : next) - cursor);
        return text;
    }

    Prediction PredictKey(const Session& session, const Key& key) const {
        QWidget* focus = QApplication::focusWidget();
        if (focus != nullptr && focus->window() != session.window) focus = nullptr;
        auto* edit = qobject_cast<QLineEdit*>(focus);
        const int editId = IdOf(session, edit);
        const bool plain = key.modifiers == Qt::NoModifier;
        Prediction prediction;
        auto edited = [&](const QString& text) {
            prediction.edit = editId;
            prediction.editText = text;
        };
        const QString current = editId != 0 ? session.texts.at(editId) : QString();

        switch (key.key) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                // The focused push button, else OK (the About box's default
                // button is OK too).
                if (auto* push = qobject_cast<QPushButton*>(focus)) {
                    prediction.command = ButtonCommand(session.kind, IdOf(session, push));
                } else {
                    prediction.command = Command::Ok;
                }
                return prediction;
            case Qt::Key_Escape:
                prediction.command = Command::Cancel;
                return prediction;
            case Qt::Key_Space:
                if (!plain) {
                    prediction.command = Command::SystemMenu;  // Alt+Space
                } else if (auto* push = qobject_cast<QPushButton*>(focus)) {
                    prediction.command = ButtonCommand(session.kind, IdOf(session, push));
                } else if (edit != nullptr) {
                    edited(AfterInsert(edit, current, QStringLiteral(" ")));
                }
                return prediction;
            case Qt::Key_Backspace:
                if (edit != nullptr) edited(AfterBackspace(edit, current));
                return prediction;
            case Qt::Key_Delete:
                if (edit != nullptr) edited(AfterDelete(edit, current));
                return prediction;
            case Qt::Key_C:
                if (edit != nullptr && edit->hasSelectedText()) {
                    prediction.clipboard =
                        current.mid(edit->selectionStart(), edit->selectionLength());
                }
                return prediction;
            case Qt::Key_X:
                if (edit != nullptr && edit->hasSelectedText()) {
                    prediction.clipboard =
                        current.mid(edit->selectionStart(), edit->selectionLength());
                    edited(AfterInsert(edit, current, QString()));
                }
                return prediction;
            case Qt::Key_V:
                // Pasting nothing over no selection changes nothing.
                if (edit != nullptr && (!clipboard_.isEmpty() || edit->hasSelectedText())) {
                    edited(AfterInsert(edit, current, clipboard_));
                }
                return prediction;
            case Qt::Key_unknown:
                if (edit != nullptr) edited(AfterInsert(edit, current, key.text));
                return prediction;
            default:
                // Tab, arrows, Home, End, Ctrl+A: focus, cursor and selection only.
                return prediction;
        }
    }

    void PlayKey(Session& session, const Key& key, const std::string& note = {}) {
        const Prediction prediction = PredictKey(session, key);
        Play(session, KeyName(key) + note, prediction, [&] {
            QWindow* target = session.window->windowHandle();
            if (key.key == Qt::Key_unknown) {
                QTest::sendKeyEvent(QTest::Click, target, key.key, key.text, key.modifiers);
            } else {
                QTest::keyClick(target, key.key, key.modifiers);
            }
        });
    }

    // --- a popup menu: the system menu, or an edit's own menu --------------

    void PlayPopup(Session& session, QWidget* popup) {
        auto* menu = qobject_cast<QMenu*>(popup);
        const bool systemMenu = menu != nullptr && menu == session.window->systemMenu();
        std::vector<QAction*> items;
        if (systemMenu) {
            for (QAction* action : menu->actions()) {
                if (!action->isSeparator()) items.push_back(action);
            }
        }
        const int choice =
            Stopping() ? 0
                       : dice_.Weighted({20, 10, items.empty() ? 0 : 35, items.empty() ? 0 : 35});
        switch (choice) {
            case 0:
                Play(session, "Escape in the menu", Prediction{},
                     [&] { QTest::keyClick(session.window->windowHandle(), Qt::Key_Escape); });
                break;
            case 1: {
                // Outside the menu, on an empty corner of the window that the
                // menu does not cover.
                const int right = session.window->width() - 3;
                const int bottom = session.window->height() - 3;
                std::optional<QPoint> outside;
                for (const QPoint corner :
                     {QPoint(right, bottom), QPoint(3, bottom), QPoint(right, 3), QPoint(3, 3)}) {
                    if (!popup->geometry().contains(session.window->mapToGlobal(corner))) {
                        outside = corner;
                        break;
                    }
                }
                if (!outside) break;
                Play(session, "click outside the menu", Prediction{}, [&] {
                    QTest::mouseClick(session.window->windowHandle(), Qt::LeftButton, {}, *outside);
                });
                break;
            }
            case 2: {
                // Down to an item, then Enter on whichever item is active.
                const Key down{dice_.Below(4) == 0 ? Qt::Key_Up : Qt::Key_Down};
                Play(session, "arrow in the menu", Prediction{},
                     [&] { QTest::keyClick(session.window->windowHandle(), down.key); });
                if (failed_ || QApplication::activePopupWidget() != menu) return;
                if (dice_.Below(2) == 0) return;  // more arrows first
                QAction* active = menu->activeAction();
                const Command command = active != nullptr ? MenuCommand(active) : Command::None;
                Play(session,
                     "Enter in the menu on " +
                         (active != nullptr ? ToStdString(active->text()) : std::string("no item")),
                     Prediction{command},
                     [&] { QTest::keyClick(session.window->windowHandle(), Qt::Key_Return); });
                break;
            }
            default: {
                QAction* item = dice_.Pick(items);
                const QPoint at = menu->actionGeometry(item).center();
                Play(session, "click the menu's " + ToStdString(item->text()),
                     Prediction{MenuCommand(item)}, [&] {
                         QTest::mouseMove(menu->windowHandle(), at);
                         QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, at);
                     });
                break;
            }
        }
    }

    // --- one event, and what it should have done ---------------------------

    void Play(Session& session, const std::string& what, const Prediction& prediction,
              const std::function<void()>& action) {
        BeginEvent(what + " in " + ToStdString(session.window->windowTitle()));
        const std::map<int, QString> before = session.texts;
        const double capMinBefore =
            session.mainDialog != nullptr ? session.mainDialog->form().capMinPf : 0.0;
        const std::vector<Opened> opened = WithModalPlayer(session.window, action);
        QApplication::processEvents();
        EndEvent();
        if (failed_) return;

        if (prediction.edit != 0) session.texts[prediction.edit] = prediction.editText;
        if (prediction.clipboard) clipboard_ = *prediction.clipboard;

        auto expectOpened = [&](std::size_t count, Opened::Kind kind) {
            if (opened.size() != count) {
                Fail(std::to_string(opened.size()) + " windows opened over the window, expected " +
                     std::to_string(count) + " for " + Name(prediction.command));
                return false;
            }
            for (const Opened& window : opened) {
                if (window.kind != kind) {
                    Fail(std::string("the wrong kind of window opened for ") +
                         Name(prediction.command));
                    return false;
                }
            }
            return true;
        };
        const bool ends =
            prediction.command == Command::Ok || prediction.command == Command::Cancel;

        switch (prediction.command) {
            case Command::Calculate:
                VerifyCalculate(session, before, capMinBefore, opened);
                break;
            case Command::CalcTurns:
            case Command::CalcL:
                if (expectOpened(0, Opened::Kind::Other)) {
                    VerifyCoilCommand(session, before, prediction.command == Command::CalcTurns);
                }
                break;
            case Command::CalcInductor:
                expectOpened(1, Opened::Kind::Coil);
                break;
            case Command::About:
                expectOpened(1, Opened::Kind::About);
                break;
            case Command::Notice:
                if (expectOpened(1, Opened::Kind::Box)) {
                    const Opened& box = opened[0];
                    if (box.caption != QString::fromUtf8(ui::kNoticeCaption) ||
                        box.text != QString::fromUtf8(ui::kNoticeText) ||
                        box.icon != QMessageBox::Warning) {
                        Fail("the notice box showed " + Describe(box.caption) + ": " +
                             Describe(box.text));
                    }
                }
                break;
            case Command::SystemMenu:
            case Command::EditMenu: {
                expectOpened(0, Opened::Kind::Other);
                QWidget* popup = QApplication::activePopupWidget();
                const bool isSystemMenu = popup != nullptr && popup == session.window->systemMenu();
                const bool isEditMenu = qobject_cast<QMenu*>(popup) != nullptr && !isSystemMenu;
                if (prediction.command == Command::SystemMenu ? !isSystemMenu : !isEditMenu) {
                    Fail(std::string("expected ") + Name(prediction.command) + " to open, found " +
                         NameOf(popup));
                }
                break;
            }
            default:
                expectOpened(0, Opened::Kind::Other);
                break;
        }
        if (failed_) return;

        if (session.window->isVisible() == ends) {
            Fail(ends ? std::string("the window stayed open after ") + Name(prediction.command)
                      : "the window closed");
            return;
        }
        if (ends && session.kind == WindowKind::Main) {
            mainEnd_ = prediction.command == Command::Ok ? IDOK : IDCANCEL;
        }
        if (!ends) CheckTexts(session, "after the event");
        if (session.mainDialog != nullptr && !ends) CheckCapacitorChoice(session);
    }

    void CheckTexts(const Session& session, const char* when) {
        for (const int id : session.edits) {
            const auto* edit = qobject_cast<QLineEdit*>(session.window->Control(id));
            const QString shown = edit->text();
            const QString& expected = session.texts.at(id);
            if (shown == expected) continue;
            qsizetype at = 0;
            while (at < shown.size() && at < expected.size() && shown[at] == expected[at]) ++at;
            Fail("edit " + std::to_string(id) + " " + when + " holds " +
                 Describe(shown.mid(std::max<qsizetype>(0, at - 5))) + " from position " +
                 std::to_string(std::max<qsizetype>(0, at - 5)) + " (length " +
                 std::to_string(shown.size()) + "), expected " +
                 Describe(expected.mid(std::max<qsizetype>(0, at - 5))) + " (length " +
                 std::to_string(expected.size()) + ")");
            return;
        }
    }

    // The chosen capacitor type is the one the window shows selected.
    void CheckCapacitorChoice(const Session& session) {
        const auto* air = qobject_cast<QRadioButton*>(session.window->Control(res::IDC_AIR_CAPS));
        const auto* vacuum =
            qobject_cast<QRadioButton*>(session.window->Control(res::IDC_VACUUM_CAPS));
        if (air->isChecked() == vacuum->isChecked()) {
            Fail("both or neither capacitor type shown selected");
            return;
        }
        const double shown = air->isChecked() ? ui::kAirCapMinPf : ui::kVacuumCapMinPf;
        if (session.mainDialog->form().capMinPf != shown) {
            Fail("the form computes with " + std::to_string(session.mainDialog->form().capMinPf) +
                 " pF while the window shows " + std::to_string(shown) + " pF chosen");
        }
    }

    // --- the oracle: the commands on the in-memory window ------------------

    static platform::MemoryWindow MemoryWith(const std::map<int, QString>& texts) {
        platform::MemoryWindow memory;
        for (const auto& [id, text] : texts) memory.SetControlText(id, ToStdString(text));
        return memory;
    }

    // The texts a command's last exchange left in the controls.
    static void TakeTexts(const platform::MemoryWindow& memory, std::map<int, QString>& texts) {
        for (auto& [id, text] : texts) text = FromFieldText(memory.ControlText(id));
    }

    void VerifyCalculate(Session& session, const std::map<int, QString>& before, double capMinPf,
                         const std::vector<Opened>& opened) {
        ++commands_;
        for (const Opened& window : opened) {
            if (window.kind != Opened::Kind::Box) {
                Fail("Calculate opened a window that is not a message box");
                return;
            }
        }
        platform::MemoryWindow memory = MemoryWith(before);
        std::size_t asked = 0;
        memory.SetResponder([&](const platform::ShownMessage&) {
            // The answer the monkey gave the real box; none if none came.
            return asked < opened.size() ? opened[asked++].answer : IDCANCEL;
        });
        ui::PiNetworkForm form;
        form.capMinPf = capMinPf;
        const ui::CalculateOutcome outcome = ui::OnCalculate(form, memory);
        const std::vector<platform::ShownMessage>& shown = memory.ShownMessages();
        if (shown.size() != opened.size()) {
            Fail("Calculate showed " + std::to_string(opened.size()) + " boxes, expected " +
                 std::to_string(shown.size()));
            return;
        }
        if (!shown.empty()) {
            const Opened& box = opened[0];
            if (box.text != QString::fromStdString(shown[0].text) ||
                box.caption != QString::fromStdString(shown[0].caption) ||
                box.icon != QMessageBox::Critical) {
                Fail("the Q0 prompt showed " + Describe(box.caption) + ": " + Describe(box.text) +
                     ", expected " + shown[0].caption + ": " + shown[0].text);
                return;
            }
        }
        // Cancel writes nothing back, so the controls keep their texts as
        // they were, even where the exchange into the form changed them.
        if (outcome.designed) TakeTexts(memory, session.texts);
        // The form holds what the command left in it.
        const ui::PiNetworkForm& real = session.mainDialog->form();
        for (const auto& binding : ui::kPiNetworkBindings) {
            if (real.*binding.field != form.*binding.field) {
                Fail("the main form's field for control " + std::to_string(binding.control) +
                     " differs from the command's");
                return;
            }
        }
    }

    void VerifyCoilCommand(Session& session, const std::map<int, QString>& before, bool turns) {
        ++commands_;
        platform::MemoryWindow memory = MemoryWith(before);
        ui::InductorForm form;
        if (turns) {
            ui::OnCalcTurns(form, memory);
        } else {
            ui::OnCalcL(form, memory);
        }
        TakeTexts(memory, session.texts);
    }

    // --- a message box -----------------------------------------------------

    Opened PlayBox(QMessageBox* box) {
        ++messageBoxes_;
        Opened opened;
        opened.kind = Opened::Kind::Box;
        opened.caption = box->windowTitle();
        opened.text = box->text();
        opened.icon = box->icon();
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        QAbstractButton* cancel = box->button(QMessageBox::Cancel);
        QAbstractButton* escape = cancel != nullptr ? cancel : ok;
        if (ok == nullptr) {
            Fail("a message box without OK");
            CloseEverything();
            return opened;
        }
        const std::string name = "in the box " + Describe(opened.caption);

        while (!failed_ && box->isVisible()) {
            if (!WaitActive(box)) break;
            QAbstractButton* pressed = nullptr;  // the button the event should press
            QWidget* focus = QApplication::focusWidget();
            auto* focusedButton = qobject_cast<QPushButton*>(focus);
            std::string what;
            std::function<void()> action;
            const int choice = Stopping() ? 3 : dice_.Weighted({25, 10, 15, 10, 10, 5, 20, 5});
            switch (choice) {
                case 0: {
                    QAbstractButton* button =
                        cancel != nullptr && dice_.Below(2) == 0 ? cancel : ok;
                    pressed = button;
                    const QPoint at = button->mapTo(box, button->rect().center());
                    what = "click " + ToStdString(button->text());
                    action = [box, at] {
                        QTest::mouseClick(box->windowHandle(), Qt::LeftButton, {}, at);
                    };
                    break;
                }
                case 1: {
                    // The text or the icon: nothing happens.
                    const QList<QLabel*> labels = box->findChildren<QLabel*>();
                    QLabel* label = labels[dice_.Below(static_cast<int>(labels.size()))];
                    const QPoint at = label->mapTo(box, label->rect().center());
                    what = "click a label";
                    action = [box, at] {
                        QTest::mouseClick(box->windowHandle(), Qt::LeftButton, {}, at);
                    };
                    break;
                }
                case 2:
                    pressed = focusedButton != nullptr
                                  ? static_cast<QAbstractButton*>(focusedButton)
                                  : ok;
                    what = "Enter";
                    action = [box] { QTest::keyClick(box->windowHandle(), Qt::Key_Return); };
                    break;
                case 3:
                    pressed = escape;
                    what = "Escape";
                    action = [box] { QTest::keyClick(box->windowHandle(), Qt::Key_Escape); };
                    break;
                case 4:
                    pressed = focusedButton;
                    what = "Space";
                    action = [box] { QTest::keyClick(box->windowHandle(), Qt::Key_Space); };
                    break;
                case 5:
                    pressed = escape;
                    what = "close box";
                    action = [box] { box->close(); };
                    break;
                case 6: {
                    static const std::vector<Key> kMoves = {
                        {Qt::Key_Tab}, {Qt::Key_Backtab}, {Qt::Key_Left}, {Qt::Key_Right},
                        {Qt::Key_Up},  {Qt::Key_Down},    {Qt::Key_Home}, {Qt::Key_End}};
                    const Key key = dice_.Pick(kMoves);
                    what = KeyName(key);
                    action = [box, key] { QTest::keyClick(box->windowHandle(), key.key); };
                    break;
                }
                default:
                    // The window's key, not the focused button's.
                    what = "Alt+Space";
                    action = [box] {
                        QTest::keyClick(box->windowHandle(), Qt::Key_Space, Qt::AltModifier);
                    };
                    break;
            }
            BeginEvent(what + " " + name);
            const std::vector<Opened> over = WithModalPlayer(box, action);
            QApplication::processEvents();
            EndEvent();
            if (failed_) break;
            if (!over.empty()) {
                Fail("a window opened over the message box");
                break;
            }
            if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
            if (box->isVisible() != (pressed == nullptr)) {
                Fail(pressed != nullptr ? "the box stayed open" : "the box closed");
                break;
            }
            if (pressed != nullptr) {
                if (box->clickedButton() != pressed) {
                    Fail("the box was answered with " + NameOf(box->clickedButton()) +
                         ", expected " + ToStdString(pressed->text()));
                }
                opened.answer = pressed == ok ? IDOK : IDCANCEL;
            }
        }
        if (failed_ && box->isVisible()) CloseEverything();
        return opened;
    }

    platform::Application& application_;
    HangWatch& hangWatch_;
    Dice dice_;
    QTimer watchdog_;
    long event_ = 0;  // events begun
    long last_ = 0;   // the event that began last
    std::string current_ = "start";
    bool failed_ = false;
    QString clipboard_;           // what the clipboard holds
    Session* main_ = nullptr;     // the running main window's session
    std::optional<int> mainEnd_;  // how the main window should have ended
    long mainWindows_ = 0;
    long coilWindows_ = 0;
    long aboutBoxes_ = 0;
    long messageBoxes_ = 0;
    long commands_ = 0;
    long pastes_ = 0;
    long longPastes_ = 0;
    long megabytePastes_ = 0;
};

TEST(Monkey, RandomEventsKeepEveryTextAsTypedOrAsTheCommandsWriteIt) {
    platform::qt::QtWindowSystem windowSystem;
    platform::WindowSystem::Install(&windowSystem);
    app::PiNetworkApp application;
    std::printf("monkey: seed %llu, %ld events\n", static_cast<unsigned long long>(gOptions.seed),
                gOptions.events);
    std::fflush(stdout);
    {
        HangWatch hangWatch;
        Monkey monkey(application, hangWatch);
        monkey.Run();
    }
    platform::WindowSystem::Install(nullptr);
}

// Reads the options: the environment first, then the command line.
bool ReadOptions(const QStringList& arguments) {
    QString seed = qEnvironmentVariable("TAVILO_MONKEY_SEED");
    QString events = qEnvironmentVariable("TAVILO_MONKEY_EVENTS");
    gOptions.log = !qEnvironmentVariable("TAVILO_MONKEY_LOG").isEmpty();

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Plays a seeded random stream of user events on the windows (GoogleTest "
                       "flags also apply)."));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("random seed"),
                                        QStringLiteral("seed"));
    const QCommandLineOption eventsOption(
        QStringLiteral("events"), QStringLiteral("number of events"), QStringLiteral("count"));
    const QCommandLineOption logOption(QStringLiteral("log"), QStringLiteral("print every event"));
    parser.addOptions({seedOption, eventsOption, logOption});
    parser.addHelpOption();
    parser.process(arguments);
    if (parser.isSet(seedOption)) seed = parser.value(seedOption);
    if (parser.isSet(eventsOption)) events = parser.value(eventsOption);
    if (parser.isSet(logOption)) gOptions.log = true;

    bool ok = true;
    if (!seed.isEmpty()) gOptions.seed = seed.toULongLong(&ok);
    if (!ok) {
        std::fprintf(stderr, "monkey_test: the seed must be a whole number\n");
        return false;
    }
    if (!events.isEmpty()) gOptions.events = events.toLong(&ok);
    if (!ok || gOptions.events < 0) {
        std::fprintf(stderr, "monkey_test: the event count must be a whole number >= 0\n");
        return false;
    }
    return true;
}

}  // namespace
}  // namespace tavilo::testing

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    if (!tavilo::testing::ReadOptions(QApplication::arguments())) return 2;
    tavilo::testing::InstallCrashReport();
    return RUN_ALL_TESTS();
}
