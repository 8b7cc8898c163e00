// Unit SouciniteleY: the influence factors of the tooth-root stress (ISO 6336-3): tooth form
// factor YF by method B with the auxiliary angle Teta of the critical section, stress correction
// factor YS, grinding-notch factor YSg, helix angle factor Ybeta, rim thickness factor YB and
// deep tooth factor YDT.
//
// A factor that cannot be calculated shows a message naming it, opens the other-factors window
// (where the user can enter it directly) and clears ResumeCalculation.
#pragma once

namespace karvelo {

// Intermediate values of method B for the gear last computed (mm, rad; E, G, H, c and r are
// in units of the module where ISO 6336-3 has them so).
struct ToothFormValues {
    double E = 0, G = 0, H = 0;                  // the auxiliary quantities of the critical-section equation
    double c = 0;                                // pi/3 for an external gear, pi/6 for an internal wheel
    double r = 0;                                // root radius coefficient used for the gear
    double dbn = 0, dan = 0;                     // virtual base and tip diameters
    double den = 0;                              // diameter of the virtual gear at the outer point of single contact
    double alfaen = 0, gammae = 0, alfaFen = 0;  // pressure angles of the load at that point
    bool operator==(const ToothFormValues&) const = default;
};
extern ToothFormValues ToothForm;

// tan(x) - x.
double ComputeInvolute(double x);

// (2 G / zn) tan(x) - H - x with the current G and H of ToothForm.
double EvaluateTetaEquation(double x, double zn);

// Teta for the virtual number of teeth zn: the first non-negative root of the Teta equation met
// by the scan from -0.08 rad, else the last negative one.  Without a root: the message (naming
// YF1 or YF2 by MaterialForPinion), the other-factors window, ResumeCalculation := False, and
// the result False.
bool SolveTetaAngle(double zn);

// Ybeta = 1 - min(epsbeta, 1) min(beta, 30 deg) / 120 deg.
void ComputeHelixFactorYbeta();

// sFn, hFe, rhoF and, unless entered directly, YF of the pinion and of the wheel.
void ComputeToothFormFactor1();
void ComputeToothFormFactor2();

// Critical section of an internal wheel cut by a sharp-tipped cutter (rofP2 < 1e-5): sFn2, hFe2
// and rhoF2 from the trochoid of the cutter tip.
void ComputeInternalRootSection2();
double EvaluateInternalRootEquation(double x);

// qs and YS; a qs outside 1 <= qs < 8 stops with its message.
void ComputeStressCorrectionFactor1();
void ComputeStressCorrectionFactor2();

// YSg from YS and the grinding notch (Rog, tg); YSg = YS without a notch.
void ComputeNotchFactorYSg1();
void ComputeNotchFactorYSg2();

// YB1, YB2, with the tooth depth ht1 and, for an external pair, ht2.
void ComputeRimFactorYB();

// YDT; differs from 1 only for accuracy grades 4 and better on both gears.
void ComputeDeepToothFactorYDT();

}  // namespace karvelo
