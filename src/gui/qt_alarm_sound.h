#pragma once
#include <QObject>
#include <memory>

#include "iface/alarm_sound.h"

class QSoundEffect;

namespace vrx::gui {

// Alarm sounds through Qt Multimedia: one effect loops the alarm, a second one plays previews, so
// a preview never interrupts an alarm. The effects are made on first use, so a program that never
// sounds an alarm never opens the audio device.
class QtAlarmSound : public QObject, public AlarmSound {
    Q_OBJECT
public:
    explicit QtAlarmSound(QObject* parent = nullptr);
    ~QtAlarmSound() override;

    bool playLooping(const std::string& path) override;
    void stop() override;
    bool playOnce(const std::string& path) override;
    // A regular file that starts with a RIFF / WAVE header.
    bool playable(const std::string& path) const override;

private:
    QSoundEffect& effect(std::unique_ptr<QSoundEffect>& slot);

    std::unique_ptr<QSoundEffect> m_loop;
    std::unique_ptr<QSoundEffect> m_once;
};

} // namespace vrx::gui
