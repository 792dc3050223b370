#pragma once

namespace quarrow::testing {

/// The window's four pages, by their index in its tab widget (SSTab1), which starts at 0.
enum WindowStep : int { kStepOne, kStepTwo, kStepThree, kStepFour };

} // namespace quarrow::testing
