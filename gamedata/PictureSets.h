#pragma once
// What the Picture Viewer shows: the installation's picture files, the frame shown of a set, and
// the names the frames of a set are saved under.

#include <string>
#include <vector>

namespace picturesets {

// The names of the regular files "*.pic" (in any case) of the folder, sorted as a sorted combo
// box sorts them: without regard to case. Empty when the folder cannot be read.
std::vector<std::string> ListPictureFiles(const std::string& folder);

// The frame shown of a set; Next and Previous wrap round, and do nothing before a set is loaded.
class FrameCursor {
public:
    // A set of count frames (0 when it could not be read), its first frame shown.
    void Load(int count);
    int Count() const { return m_count; }
    int Frame() const { return m_frame; }
    bool HasFrames() const { return m_count > 0; }
    void Next();
    void Previous();
    // "k of n" (string 39); empty without frames.
    std::string CounterText() const;

private:
    int m_count = 0;
    int m_frame = 0;
};

// The file frame i of a set goes to when the user chose the name chosen: the name is split at
// the first ".bmp" of its last component and the frame's mark goes in between (string 40,
// "%s_frm%.2i%s"): "C:\pics\dragon.bmp" gives "C:\pics\dragon_frm00.bmp", "a.bmp.bmp" gives
// "a_frm00.bmp.bmp". Where the name holds ".bmp" only in another case ("DRAGON.BMP") it is
// split there; where it holds none, the mark and ".bmp" are appended ("dragon.png" gives
// "dragon.png_frm00.bmp"), so that every frame is written and nothing the user typed is lost.
std::string FrameFileName(const std::string& chosen, int frame);

} // namespace picturesets
