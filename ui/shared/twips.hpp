// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace vovodi {

// Twips (1/1440 inch) to device-independent pixels: 15 twips make one pixel
// at 96 dpi, and Qt scales device-independent pixels to the real density.
// Each value is rounded to the nearest pixel on its own: 190 twips (12.67 px)
// is 13 px; 15 is odd, so there are no ties.
constexpr int twips(int t)
{
    return (t + 7) / 15;
}

}  // namespace vovodi
