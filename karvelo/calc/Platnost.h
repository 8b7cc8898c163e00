// Unit Platnost: the validity restrictions of ISO 6336 that a case violates.  The check composes
// the text of every possible message into the validity list (50 slots of TValidityList), marks
// the messages whose condition holds and counts them; the report window and the results listing
// show the marked ones in slot order.  The code of a slot (3 to 6) is the number of lines of its
// text, the report window's height unit.
//
// Slots: 1-8 scope of the standard, 9-14 root factors YF, YS, YSg, 15-16 stiffness, 17 Ybeta,
// 20-26 Kv by method B, 27-30 Kv by method C, 35-36 KHalfa and KFalfa against epsalfa.
// Slots 18, 19 and 31-34 carry no message.
#pragma once

namespace karvelo {

// True when the basic racks of both gears are the standard one (haP 1, caP 0.25, rofP up to
// 0.38, alfan 20 deg).  Set by CheckStandardBasicRack.
extern bool StandardBasicRack;
void CheckStandardBasicRack();

// Fills the whole validity list.  For a spectrum with computed level factors the marks of the
// level slots made while the levels were evaluated are kept.
void CheckValidityRestrictions();

// The level slots: the slots that the evaluation of spectrum levels marks, 20-30 (Kv) and 35-36
// (KHalfa, KFalfa).
bool IsLevelValiditySlot(int slot);
// Clears the marks of the level slots, so that the levels evaluated next mark them afresh.
void ClearLevelValidityMarks();

// Marks the dynamic-factor slots 20-30 for the speed and force of spectrum level `Level`
// (1..20).  Only for a spectrum with computed level factors (LoadInputMethod = kMultilevelLoading and
// SpectrumLevelsShown clear).
void CheckKvValidityAtLevel(int Level);

// Marks slots 35 and 36 when the transverse load factors of spectrum level `Level` exceed
// epsalfa (unless entered directly).  Same condition as CheckKvValidityAtLevel.
void CheckKHalphaValidityAtLevel(int Level);

}  // namespace karvelo
