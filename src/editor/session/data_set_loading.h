// Making a data set: its library read whole and a new random portrait over it. Start-up and
// every later change of data set (change sex, avatar import) build it the same way.
#pragma once

#include <memory>
#include <string>

#include "editor/session/editor_state.h"

namespace kelvo {

class TPak;
class RandomGenerators;
class TKelvoTyp;
class TKelvoPortret;
class Prompter;

// Loads every text file and image of data set `name`; loading errors are thrown.
std::unique_ptr<TKelvoTyp> LoadDataSetLibrary(TPak& archive, const std::string& name);

// A random portrait of `library` with `hidden` as its hide flags, anchored without spread, its
// visible categories rendered.
std::unique_ptr<TKelvoPortret> NewRandomPortrait(TKelvoTyp& library, RandomGenerators& random,
                                                 const PerCategory<bool>& hidden);

// The head-number check of start-up, "&Sex" and "&Save": false, with the error shown for the first
// hair component (not an animation step) that has no head number.
bool CheckHeadNumbers(const TKelvoTyp& library, Prompter& prompter);

}  // namespace kelvo
