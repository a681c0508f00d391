#pragma once
// Plugs the travel tools into the app: their screens, the reference check after start-up
// and the card guide opened from the main screen's card.

#include "app/AppContext.h"

namespace tools {

/// Registers UIExchange, UIInOut and VURavEravazo and fills the context's referenceCheck and
/// openCardGuide hooks.
void install(app::AppContext& context);

/// Opens the card guide for the nation of an airport or city code over the main screen;
/// nothing when the code or its nation is not known.
void GetCityCodeToNationCode(app::ViewController& main, const std::string& code);

} // namespace tools
