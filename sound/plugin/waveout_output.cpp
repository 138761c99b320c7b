// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "waveout_output.h"

#include <windows.h>
// After windows.h, whose types it uses.
#include <mmsystem.h>

#include "sound/cue_rate.h"

namespace kletochka {

namespace {

// The default device opened for 16-bit stereo at rate; null when it refuses.
HWAVEOUT OpenDevice(int rate) {
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = Cue::kChannels;
    format.nSamplesPerSec = static_cast<DWORD>(rate);
    format.wBitsPerSample = 16;
    format.nBlockAlign = static_cast<WORD>(format.nChannels * format.wBitsPerSample / 8);
    format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
    HWAVEOUT device = nullptr;
    if (waveOutOpen(&device, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) {
        return nullptr;
    }
    return device;
}

// The cue the device holds, handed to it as one buffer; given back on Release().
class QueuedCue {
  public:
    explicit QueuedCue(HWAVEOUT device) : m_device(device) {}
    QueuedCue(const QueuedCue&) = delete;
    QueuedCue& operator=(const QueuedCue&) = delete;
    ~QueuedCue() { Release(); }

    // Cuts off the cue and takes its buffer back from the device.
    void Release() {
        if (m_cue) {
            waveOutReset(m_device);
            waveOutUnprepareHeader(m_device, &m_header, sizeof m_header);
            m_cue.reset();
        }
    }

    // Starts cue on device; false when the device refused it.
    bool Send(HWAVEOUT device, std::shared_ptr<const Cue> cue) {
        Release();
        m_device = device;
        if (!cue || cue->samples.empty()) {
            return true;
        }
        m_header = WAVEHDR{};
        // The device only reads the samples; the header's field is not const.
        m_header.lpData = const_cast<LPSTR>(reinterpret_cast<const char*>(cue->samples.data()));
        m_header.dwBufferLength = static_cast<DWORD>(cue->samples.size() * sizeof(std::int16_t));
        if (waveOutPrepareHeader(m_device, &m_header, sizeof m_header) != MMSYSERR_NOERROR) {
            return false;
        }
        m_cue = std::move(cue);
        if (waveOutWrite(m_device, &m_header, sizeof m_header) != MMSYSERR_NOERROR) {
            Release();
            return false;
        }
        return true;
    }

  private:
    HWAVEOUT m_device;
    WAVEHDR m_header{};
    std::shared_ptr<const Cue> m_cue;  // kept while the device may read its samples
};

}  // namespace

std::unique_ptr<WaveOutOutput> WaveOutOutput::Open() {
    HWAVEOUT device = OpenDevice(kCueRate);
    if (device == nullptr) {
        return nullptr;
    }
    return std::unique_ptr<WaveOutOutput>(new WaveOutOutput(device, kCueRate));
}

WaveOutOutput::WaveOutOutput(HWAVEOUT device, int rate)
    : m_device(device), m_rate(rate), m_thread([this] { Run(); }) {}

WaveOutOutput::~WaveOutOutput() {
    {
        const std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void WaveOutOutput::Stop() {
    Play(nullptr);
}

void WaveOutOutput::Play(std::shared_ptr<const Cue> cue) {
    {
        const std::lock_guard lock(m_mutex);
        m_next = std::move(cue);
        m_cut = true;
    }
    m_wake.notify_one();
}

void WaveOutOutput::Run() {
    // Cuts off and starts at once rather than after the window's own work.
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_ABOVE_NORMAL);
    QueuedCue queued(m_device);
    for (;;) {
        std::shared_ptr<const Cue> cue;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [&] { return m_quit || m_cut; });
            if (m_quit) {
                break;
            }
            m_cut = false;
            cue = std::move(m_next);
        }
        queued.Release();
        if (cue && (cue->rate != m_rate || m_device == nullptr)) {
            if (m_device != nullptr) {
                waveOutClose(m_device);
            }
            m_device = OpenDevice(m_rate = cue->rate);
        }
        // A device that refuses (unplugged, say) is opened anew for the next cue.
        if (m_device != nullptr && !queued.Send(m_device, std::move(cue))) {
            waveOutClose(m_device);
            m_device = nullptr;
        }
    }
    queued.Release();
    if (m_device != nullptr) {
        waveOutClose(m_device);
    }
}

}  // namespace kletochka
