#pragma once
// The Monster Viewer's picture player: which frame is shown, whether the frames turn, and which
// of its controls (the four frame buttons, the picture check box) work at each moment.

class FramePlayer {
public:
    enum class Control { Previous, Stop, Next, Play, ShowPictures };

    // The frames of a newly loaded picture (0 when it has none); the first is shown.
    void Load(int count);
    // From the first frame again (after loading, and when play is pressed).
    void Restart() { m_frame = 0; }

    int Count() const { return m_count; }
    int Frame() const { return m_frame; }
    bool Animating() const { return m_animate; }
    bool PicturesShown() const { return m_showPictures; }
    // A picture is on screen: pictures are wanted and the monster has frames.
    bool Visible() const { return m_showPictures && m_count > 0; }
    // The frame timer runs.
    bool Turning() const { return Visible() && m_animate; }

    void Stop() { m_animate = false; }
    void Play();
    void ShowPictures(bool show) { m_showPictures = show; }
    // One frame on or back, wrapping round; nothing without frames.
    void Step(int by);

    bool Enabled(Control control) const;
    // Where the keyboard focus goes when it was on a frame button that has just been disabled.
    Control FocusAfterDisabling() const;

private:
    int m_count = 0;
    int m_frame = 0;
    bool m_animate = true;
    bool m_showPictures = true;
};
