// Reduction factor bG for heat losses to the ground: for a wall by its
// depth below ground and U-value, for a floor also by the ratio of its area
// to its perimeter.
#pragma once

class Reduktionsfaktor {
public:
    // Wall: depth T 0..10 m, U 0.2..1 W/m²K; 0 outside.
    double bGW(double T, double U) const;
    // Floor: depth T 0..10 m, U 0.2..1 W/m²K, area AFG and perimeter PFG
    // with 2 <= AFG/PFG <= 10; 0 outside.
    double bGF(double T, double U, double AFG, double PFG) const;

    // The program's instance, created on first use.
    static Reduktionsfaktor& Instanz();
};
