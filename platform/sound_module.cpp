// The sound player, built as a module of its own: the audio libraries it
// needs are many, and the program loads them only when the first sound plays,
// not while its window is coming up.
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>
#include <map>
#include <memory>

#include "services.h"

namespace {

class EffectSound final : public qlx::Sound {
public:
    void play(const std::string& path) override {
        const QString file = QString::fromStdString(path);
        if (!QFileInfo::exists(file)) return;  // a missing file is silent
        std::unique_ptr<QSoundEffect>& effect = effects_[file];
        if (!effect) {
            effect = std::make_unique<QSoundEffect>();
            effect->setSource(QUrl::fromLocalFile(file));
        }
        effect->stop();
        effect->play();  // plays once loaded; without an audio device it stays silent
    }

private:
    std::map<QString, std::unique_ptr<QSoundEffect>> effects_;
};

}  // namespace

extern "C" Q_DECL_EXPORT qlx::Sound* quellixCreateSound() { return new EffectSound; }
