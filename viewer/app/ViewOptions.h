#pragma once
// The display options the view owns: the current options word, the four per-category
// defaults ("Mode0".."Mode3"), the mm scale, and the View and Edit commands that change them
// with their enabling and tick rules. Qt-free; CNexoloView forwards to it.
#include "model/TBasicObj.h"

#include <array>
#include <cstdint>

namespace vordalis {

class ViewOptions {
public:
    // Header, chart, statistics, table, axis, spectral colours, limit and range from the instrument.
    static constexpr int32_t kDefaultOptions = 0x642F;

    // What the frame has to do after a command.
    enum class Effect {
        None,     // nothing changed
        Redraw,   // options changed, document modified, repaint
        Apply,    // options given to the object, document modified, update all views
        Modified, // the object's own options changed: document modified, update all views
        MmScale,  // mm scale switched (already stored): copy into the document, repaint
    };

    // Reads "Mode0".."Mode3" and "mmScl" from the settings.
    void Load();
    // Writes the four defaults (packed) and "mmScl".
    void Store() const;

    Effect Command(int id, TBasicObj* obj);
    // Enabling and tick rules of the View and Edit commands (not the file or language ones).
    bool Enabled(int id, const TBasicObj* obj) const;
    bool Checked(int id, const TBasicObj* obj) const;
    bool Handles(int id) const;

    // Before every screen paint: mm scale into the object, then either the changed options
    // into the object (becoming its category's default) or the object's own options (or
    // the category default when it stores none) into the current options.
    void PrepareForPaint(TBasicObj& obj);
    // Makes sure the object has options, as painting, layout, printing and copying need:
    // pending changes first (they become the category default), else its stored word or
    // the category default.
    void EnsureObjectOptions(TBasicObj& obj);

    int32_t current = kDefaultOptions;
    std::array<int32_t, 4> defaults{kDefaultOptions, kDefaultOptions, kDefaultOptions, kDefaultOptions};
    bool changed = false;
    bool mmScale = false;

private:
    int32_t& DefaultFor(const TBasicObj& obj);
    static int32_t AsDefault(int32_t word);
};

} // namespace vordalis
