#pragma once
// The texts and picture names the carrier screens show.

#include "ui/Alert.h"

#include <functional>

namespace carriers {

inline constexpr const char* kAdapterOffTitle = "경고";
inline constexpr const char* kAdapterOffMessage =
    "블루투스가 꺼져 있습니다. 블루투스를 실행해 주세요.";
inline constexpr const char* kFailedMessage = "실패하였습니다. 다시시도해 주십시오.";
inline constexpr const char* kArrivedMessage = "캐리어가 도착했습니다.";
/// The carrier list's line under a carrier: seen in this visit, not seen yet while the scan
/// is still in its first seconds, and not seen after them.
inline constexpr const char* kNearText = "근처에 있음";
inline constexpr const char* kLookingText = "찾는 중";
inline constexpr const char* kNotFoundText = "찾지 못함";

/// The picture a screen shows while it scans.
inline constexpr const char* kSearchingPicture = "searching";
/// The alarm button's picture while a search runs, and otherwise.
inline constexpr const char* kAlarmOnPicture = "on.png";
inline constexpr const char* kAlarmOffPicture = "off.png";
/// Row backgrounds: the first row, and every other row.
inline constexpr const char* kFirstRowPicture = "list1_container2_1.png";
inline constexpr const char* kOtherRowPicture = "list1_container2_2.png";
/// The register button of a tag that is already registered.
inline constexpr const char* kRegisteredPicture = "list1_signup2.png";
/// A carrier seen in this visit, and one not seen.
inline constexpr const char* kSeenPicture = "m2_btn_on.png";
inline constexpr const char* kUnseenPicture = "m2_btn_off.png";

/// "경고" / "블루투스가 꺼져 있습니다. ..." with one "OK" button that runs `ok`.
inline ui::Alert adapterOffAlert(std::function<void()> ok) {
    return ui::Alert{kAdapterOffTitle,
                     kAdapterOffMessage,
                     {ui::AlertButton{"OK", ui::AlertButton::Role::Default, std::move(ok)}}};
}

} // namespace carriers
