#pragma once
// The skin images of the main page, by the names the skin folders use.
#include <string_view>

namespace qv::image {

inline constexpr std::u16string_view kPage = u"/BasicSet2.png";
inline constexpr std::u16string_view kConnect = u"/main.png";  // the screen without a mouse
inline constexpr std::u16string_view kButtonNormal = u"/button-normal.png";
inline constexpr std::u16string_view kButtonOver = u"/button-over.png";
inline constexpr std::u16string_view kSkinsNormal = u"/button-Skins-normal.png";
inline constexpr std::u16string_view kSkinsOver = u"/button-Skins-over.png";
inline constexpr std::u16string_view kHideNormal = u"/button-min-normal.png";
inline constexpr std::u16string_view kHideOver = u"/button-min-over.png";
inline constexpr std::u16string_view kCloseNormal = u"/button-close-normal.png";
inline constexpr std::u16string_view kCloseOver = u"/button-close-over.png";
inline constexpr std::u16string_view kBackNormal = u"/button-PrePage-normal.png";
inline constexpr std::u16string_view kBackOver = u"/button-PrePage-over.png";
inline constexpr std::u16string_view kKeyBoxNormal = u"/DropdownBox-normal.png";
inline constexpr std::u16string_view kKeyBoxOver = u"/DropdownBox-over.png";
inline constexpr std::u16string_view kRateDark = u"/slider-RP-dark.png";
inline constexpr std::u16string_view kRateLight = u"/slider-RP-light.png";
inline constexpr std::u16string_view kDpiDark = u"/slider-DPI-dark.png";
inline constexpr std::u16string_view kDpiLight = u"/slider-DPI-light.png";
inline constexpr std::u16string_view kStageOn = u"/PaneMakingTick.png";
inline constexpr std::u16string_view kStageOff = u"/Pane.png";

}  // namespace qv::image
