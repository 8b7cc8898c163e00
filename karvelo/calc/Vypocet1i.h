// Unit Vypocet1i: the load factors of each level of a load spectrum (kMultilevelLoading).  They
// follow the single-load routines with the level's tangential force FtLevel[Level] (without KA)
// and pinion speed n1Level[Level], and write the level columns KHbetaLevel, KFbetaLevel, KvLevel,
// KHalfaLevel, KFalfaLevel.  A level whose force is below 0.001 N gets the factors 1.
#pragma once

namespace karvelo {

// Effective face widths, NF and KFbetaLevel[1..LevelCount] = KHbetaLevel^NF (unless KFbetaDirect).
void ComputeKFbetaLevels();
// KHbetaLevel[Level] by method C for the level force (the dynamic factor is not recomputed), then
// the whole KFbeta column.  With KHbeta entered only the KFbeta column is refreshed.
void ComputeKHbetaLevel(int Level);
// KvLevel[Level] by method C at the level's speed and force, with the pair's contact ratios.
void ComputeKvMethodCLevel(int Level);
// Cv1 .. Cv7, Bp, Bf, Bk for the level's force and running-in allowances.
void ComputeKvCoefficientsLevel(int Level);
// KvLevel[Level] by method B at the level's speed and force; a level without load marks the
// small-load validity restriction (slot 26).
void ComputeKvMethodBLevel(int Level);
// KHalfaLevel[Level] and KFalfaLevel[Level] by method B for the level's transverse load
// FtLevel KvLevel KHbetaLevel / b (each unless the single-load factor is entered).
void ComputeKHalphaLevel(int Level);

// The tangential force of a level load given as a force or as a pinion torque [N.m].
double LevelForce(double load, bool force);
// KvLevel (method B or C), KHbetaLevel, KHalfaLevel and KFalfaLevel of levels 1..levels.
void ComputeLevelFactors(int levels);

}  // namespace karvelo
