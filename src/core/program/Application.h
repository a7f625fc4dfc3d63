// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

namespace quenbrook {

// The program's name: the title of its message boxes and the application of its settings.
inline constexpr char16_t ApplicationTitle[] = u"Quenbrook";

// Major, minor and revision numbers; VersionText is "1.4.5".
inline constexpr int VersionMajor = 1;
inline constexpr int VersionMinor = 4;
inline constexpr int VersionRevision = 5;
inline constexpr char16_t VersionText[] = u"1.4.5";

} // namespace quenbrook
