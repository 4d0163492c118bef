#include "qt_services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGridLayout>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QScreen>
#include <QLibrary>
#ifdef QLX_SOUND_MODULE
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "sound_module.h"
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#else
#include <QSoundEffect>
#endif
#include <QThread>
#include <QTimer>
#include <QUrl>

namespace qlx {

namespace {
constexpr int kTitleBarButtons = 160;  // pixels: a title bar's icon, buttons and margins
}  // namespace

void QtMessageBox::show(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), QString::fromStdString(text),
                    QMessageBox::Ok, parent_);
    // A short text makes a narrow box, whose title bar would show no more of
    // the caption than "...": the box is made wide enough for the caption in
    // a title bar's bold font, half as wide again, beside the title bar's buttons.
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    const int width = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) * 3 / 2 + kTitleBarButtons;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
    box.exec();
}

// Which sound files are played or missing, shown with QT_LOGGING_RULES="quellix.sound.info=true".
Q_LOGGING_CATEGORY(lcSound, "quellix.sound", QtWarningMsg)

#ifdef QLX_SOUND_MODULE

namespace {

// The sound module, shared by the players: loaded by the first that needs
// it. Where there is no audio output at all, it is unloaded again once no
// sound is playing, so that a game without sound holds nothing of the audio
// system; with an output it stays, ready for the next sound.
class SoundModule {
public:
    // The entry point, or null when the module is missing; release() after use.
    static QlxPlayWav acquire(const QString& folder) {
        const std::lock_guard<std::mutex> lock(mutex_);
        ++users_;
        if (!entry_) {
            if (!library_) library_ = new QLibrary(folder + QStringLiteral("/" QLX_SOUND_MODULE_FILE));  // kept to the end
            entry_ = reinterpret_cast<QlxPlayWav>(library_->resolve(QLX_SOUND_MODULE_ENTRY));
            if (entry_) qCInfo(lcSound) << "loaded" << library_->fileName();
            if (!entry_ && !warned_) {
                qCWarning(lcSound) << "no sound:" << library_->errorString();
                warned_ = true;
            }
        }
        return entry_;
    }
    static void release(bool noOutput) {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (--users_ == 0 && noOutput && entry_) {
            entry_ = nullptr;
            library_->unload();
        }
    }

private:
    static inline std::mutex mutex_;
    static inline int users_ = 0;
    static inline QLibrary* library_ = nullptr;
    static inline QlxPlayWav entry_ = nullptr;
    static inline bool warned_ = false;
};

}  // namespace

// A file's player: a thread that waits for its file to be asked for and
// plays it; asked again while playing, it stops and starts afresh.
struct QtSound::Player {
    Player(QString folder, std::string path)
        : folder(std::move(folder)), path(std::move(path)), thread([this] { run(); }) {}

    ~Player() {
        {
            const std::lock_guard<std::mutex> lock(mutex);
            quit = true;
            stop = true;
        }
        wake.notify_one();
        thread.join();
    }

    void ask() {
        {
            const std::lock_guard<std::mutex> lock(mutex);
            asked = true;
            stop = true;  // a sound still playing ends within a few milliseconds
        }
        wake.notify_one();
    }

    void run() {
        for (;;) {
            {
                std::unique_lock<std::mutex> lock(mutex);
                wake.wait(lock, [this] { return asked || quit; });
                if (quit) return;
                asked = false;
                stop = false;
            }
            const QlxPlayWav play = SoundModule::acquire(folder);
            const long frames = play ? play(path.c_str(), &stop) : 0;
            SoundModule::release(frames < 0);
#if defined(__GLIBC__)
            malloc_trim(0);  // the file and the audio system's set-up were freed into this thread's own heap
#endif
        }
    }

    const QString folder;
    const std::string path;
    std::mutex mutex;
    std::condition_variable wake;
    bool asked = false;
    bool quit = false;
    std::atomic<bool> stop{false};
    std::thread thread;  // last: started once the rest is made
};

#else

// A file's player: a sound effect of Qt Multimedia, made from the event loop.
struct QtSound::Player {
    explicit Player(const QString& file) : file(file) {}
    void ask() {
        QTimer::singleShot(0, qApp, [this] {
            if (!effect) {
                effect = std::make_unique<QSoundEffect>();
                effect->setSource(QUrl::fromLocalFile(file));
            }
            effect->stop();
            effect->play();  // plays once loaded
        });
    }
    const QString file;
    std::unique_ptr<QSoundEffect> effect;
};

#endif

QtSound::QtSound(QString moduleFolder) : moduleFolder_(std::move(moduleFolder)) {}

QtSound::~QtSound() = default;

void QtSound::play(const std::string& path) {
    const QString file = QString::fromStdString(path);
    if (!QFileInfo::exists(file)) {
        qCInfo(lcSound) << "no sound file" << file;  // a missing file is silent
        return;
    }
    qCInfo(lcSound) << "playing" << file;
    std::unique_ptr<Player>& player = players_[file];
#ifdef QLX_SOUND_MODULE
    if (moduleFolder_.isEmpty()) moduleFolder_ = QCoreApplication::applicationDirPath();
    if (!player) player = std::make_unique<Player>(moduleFolder_, path);
#else
    if (!player) player = std::make_unique<Player>(file);
#endif
    player->ask();
}

void QtMovePause::pause(int milliseconds) {
    // Widgets repaint synchronously when refreshed; make sure the window
    // system has been sent the picture before the thread sleeps.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible()) w->repaint();
    }
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void QtWebLink::open(const std::string& url) { QDesktopServices::openUrl(QUrl(QString::fromStdString(url))); }

namespace {
float twipsPerPixel(bool horizontal) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return 15.0f;
    const qreal dpi = horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY();
    return dpi > 0 ? static_cast<float>(1440.0 / dpi) : 15.0f;
}
}  // namespace

float QtScreenMetrics::twipsPerPixelX() const { return twipsPerPixel(true); }
float QtScreenMetrics::twipsPerPixelY() const { return twipsPerPixel(false); }

ScreenArea QtScreenMetrics::availableArea(int x, int y) const {
    const QScreen* screen = QGuiApplication::screenAt(QPoint(x, y));
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return {0, 0, 1 << 20, 1 << 20};  // no screen at all: room for anything
    const QRect r = screen->availableGeometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

}  // namespace qlx
