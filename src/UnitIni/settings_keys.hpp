#pragma once
// The keys of the settings file: 39 keys in the sections "Form" and "Sets",
// read into and written from the window's state with the accepted ranges and
// corrections of each key. Pure routines over the file's text.

#include <string>
#include <string_view>

#include "UnitIni/form_state.hpp"

namespace drafnova {

// Reads every key of the settings text over state, in key order. A missing
// key, an empty value or a value outside its accepted range leaves the
// field as it was (the caller has set the defaults).
void ReadSettings(TFormState& state, std::string_view iniText);

// Writes every key, in key order, into the settings text, correcting the
// stored grid interval and outline gaps (not the state) when out of range.
// A value that cannot be stored (a text holding a line break) keeps the old
// stored value.
void WriteSettings(const TFormState& state, std::string& iniText);

}  // namespace drafnova
