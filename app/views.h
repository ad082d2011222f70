#pragma once
// The main window's two views and how the raw-traffic panel follows the window's height.

namespace views {

inline constexpr int Width = 796;
inline constexpr int CompactHeight = 387;  // button bar, status panels, last command
inline constexpr int DetailsHeight = 600;  // and the raw-traffic panel below them

// The raw-traffic panel as the form lays it out at the details height; it keeps its distance to
// the bottom edge whatever the height.
inline constexpr int RawCommsTop = 362;
inline constexpr int RawCommsDesignHeight = 218;
inline constexpr int RawCommsBottomGap = DetailsHeight - RawCommsTop - RawCommsDesignHeight;

constexpr int rawCommsHeight(int windowHeight) {
    const int h = windowHeight - RawCommsTop - RawCommsBottomGap;
    return h > 0 ? h : 0;
}

// Heights of the two raw grids that grow with a window taller than the details view.
struct RawGridHeights {
    int mcngrid;
    int grid1;
};
constexpr RawGridHeights rawGridHeights(int windowHeight) {
    if (windowHeight > DetailsHeight) return {windowHeight - 532, windowHeight - 426};
    return {68, 174};
}

}  // namespace views
