// The game's sounds through the sound module: both WAV files reach the audio
// output whole, a file asked for again starts afresh, and a computer without
// audio output is silent and keeps nothing of the audio system loaded. The
// output is ALSA's file plugin over its null device (a configuration of the
// test's own), which writes every frame played into a file.
#include <QtTest>

#include <QFile>
#include <QTemporaryDir>

#include "qt_services.h"

using namespace qlx;

namespace {

// The samples of a PCM WAV file: the body of its "data" chunk.
QByteArray samplesOf(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray wav = f.readAll();
    for (qsizetype at = 12; at + 8 <= wav.size();) {
        const auto size = qFromLittleEndian<quint32>(wav.constData() + at + 4);
        if (wav.mid(at, 4) == "data") return wav.mid(at + 8, size);
        at += 8 + size + (size & 1);
    }
    return {};
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool audioSystemLoaded() {
    return contents(QStringLiteral("/proc/self/maps")).contains("libasound.so");
}

}  // namespace

class SoundTest : public QObject {
    Q_OBJECT
private slots:
    void bothSoundsReachTheOutputWhole();
    void withoutAudioOutputTheGameIsSilentAndHoldsNoAudioSystem();

private:
    // ALSA reads its configuration at its first use: one file, named by
    // ALSA_CONFIG_PATH, for the whole test program. Each case changes what
    // the file says before the module loads it again.
    QTemporaryDir dir_;
    QString config_ = dir_.filePath(QStringLiteral("asound.conf"));
    QString played_ = dir_.filePath(QStringLiteral("played.raw"));
    QString snd_ = QCoreApplication::applicationDirPath() + QStringLiteral("/snd/");

    void writeConfig(bool withOutput) {
        QFile f(config_);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        if (withOutput) {
            f.write(QStringLiteral("pcm.!default { type file slave.pcm \"quiet\" file \"%1\" format \"raw\" }\n"
                                   "pcm.quiet { type null }\n")
                        .arg(played_)
                        .toUtf8());
        }
        qputenv("ALSA_CONFIG_PATH", config_.toLocal8Bit());
    }
};

void SoundTest::bothSoundsReachTheOutputWhole() {
    writeConfig(true);
    QtSound sound;
    for (const char* name : {"OPENING.WAV", "APPLAUSE.wav", "OPENING.WAV"}) {
        const QString file = snd_ + QLatin1String(name);
        const QByteArray samples = samplesOf(file);
        QVERIFY2(samples.size() > 1000, qPrintable(file));
        QFile::remove(played_);
        sound.play(file.toStdString());  // returns at once; the sound plays on its own thread
        QTRY_COMPARE_WITH_TIMEOUT(contents(played_).size(), samples.size(), 20000);
        QVERIFY(contents(played_) == samples);
    }
}

// Runs after the case above, which left the module loaded: with an output it
// stays, ready for the next sound.
void SoundTest::withoutAudioOutputTheGameIsSilentAndHoldsNoAudioSystem() {
    QVERIFY(audioSystemLoaded());
    writeConfig(false);
    QtSound sound;
    QFile::remove(played_);
    sound.play((snd_ + QStringLiteral("OPENING.WAV")).toStdString());
    sound.play((snd_ + QStringLiteral("no such sound.wav")).toStdString());
    // The module loads, finds no output and is let go again once nothing plays.
    QTRY_VERIFY_WITH_TIMEOUT(!audioSystemLoaded(), 20000);
    QVERIFY(!QFile::exists(played_));
}

QTEST_GUILESS_MAIN(SoundTest)
#include "sound_test.moc"
