#include "items/FramePlayer.h"

void FramePlayer::Load(int count)
{
    m_count = count > 0 ? count : 0;
    m_frame = 0;
}

void FramePlayer::Play()
{
    m_animate = true;
    m_frame = 0;
}

void FramePlayer::Step(int by)
{
    if (m_count <= 0)
        return;
    m_frame = ((m_frame + by) % m_count + m_count) % m_count;
}

bool FramePlayer::Enabled(Control control) const
{
    switch (control) {
    case Control::ShowPictures:
        return true;
    case Control::Stop:
        return Turning();
    default:
        return Visible() && !m_animate;
    }
}

FramePlayer::Control FramePlayer::FocusAfterDisabling() const
{
    if (!Visible())
        return Control::ShowPictures;
    return m_animate ? Control::Stop : Control::Play;
}
