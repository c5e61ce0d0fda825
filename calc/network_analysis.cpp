// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Analysis of a finished pi network by complex ladder reduction, with the
// half-power points found by bisection between brackets that cannot hide a
// second crossing.
#include "calc/network_analysis.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace tavilo::calc {

namespace {

using Complex = std::complex<double>;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Zin and Z21 together, from one reduction of the ladder.
struct NetworkResponse {
    Complex plateOhms;
    Complex transferOhms;
};

NetworkResponse Respond(const PiNetworkComponents& network, double frequencyHz) {
    const double omega = frequencyHz * network.twoPi;
    // C2 in parallel with the antenna, then L in series, then C1 in parallel.
    const Complex antennaNode = 1.0 / Complex(1.0 / network.antennaOhms, omega * network.c2Farads);
    const Complex seriesBranch = Complex(0.0, omega * network.lHenries) + antennaNode;
    const Complex plate = 1.0 / (Complex(0.0, omega * network.c1Farads) + 1.0 / seriesBranch);
    // The plate voltage divides between L and the antenna node.
    return {plate, plate * (antennaNode / seriesBranch)};
}

// |Z21(frequencyHz)|^2 / |Z21(f)|^2.
class RelativePower {
  public:
    explicit RelativePower(const PiNetworkComponents& network)
        : network_(network),
          referenceNorm_(std::norm(Respond(network, network.frequencyHz).transferOhms)) {}

    bool AtOrBelowHalf(double frequencyHz) const {
        return std::norm(Respond(network_, frequencyHz).transferOhms) / referenceNorm_ <= 0.5;
    }

  private:
    const PiNetworkComponents& network_;
    double referenceNorm_;
};

// Narrows [inside, outside] (either order) around the half-power crossing
// until the two ends are neighbouring doubles.
double BisectHalfPower(const RelativePower& power, double insideHz, double outsideHz) {
    for (;;) {
        const double mid = insideHz + (outsideHz - insideHz) * 0.5;
        if (mid == insideHz || mid == outsideHz) return mid;
        if (power.AtOrBelowHalf(mid)) {
            outsideHz = mid;
        } else {
            insideHz = mid;
        }
    }
}

// The frequencies, as multiples of f, at which |Z21| has a turning point.
//
// Node analysis of the current-driven pi gives
//   1/Z21 = (1 - w^2 L C1) / R2 + j w (C1 + C2 - w^2 L C1 C2),
// so with u = (w / w0)^2, |R2 / Z21|^2 = (1 - alpha u)^2 + u (beta - kappa u)^2,
// a cubic in u. Between its turning points |Z21| is monotonic, so a bracket
// that does not step over one holds at most one half-power crossing.
std::vector<double> TurningPointRatios(const PiNetworkComponents& network) {
    const double omega0 = network.frequencyHz * network.twoPi;
    const double r2 = network.antennaOhms;
    const double alpha = omega0 * omega0 * network.lHenries * network.c1Farads;
    const double beta = omega0 * (network.c1Farads + network.c2Farads) * r2;
    const double kappa =
        omega0 * omega0 * omega0 * network.lHenries * network.c1Farads * network.c2Farads * r2;

    // d/du of the cubic: 3 kappa^2 u^2 + 2 (alpha^2 - 2 beta kappa) u + (beta^2 - 2 alpha).
    const double a = 3.0 * kappa * kappa;
    const double b = 2.0 * (alpha * alpha - 2.0 * beta * kappa);
    const double c = beta * beta - 2.0 * alpha;

    std::vector<double> roots;
    if (a == 0.0) {
        if (b != 0.0) roots.push_back(-c / b);
    } else {
        const double discriminant = b * b - 4.0 * a * c;
        if (discriminant >= 0.0) {
            // The form without cancellation between b and the root.
            const double q = -0.5 * (b + std::copysign(std::sqrt(discriminant), b));
            roots.push_back(q / a);
            if (q != 0.0) roots.push_back(c / q);
        }
    }
    std::vector<double> frequencyRatios;
    for (const double u : roots) {
        if (u > 0.0 && std::isfinite(u)) frequencyRatios.push_back(std::sqrt(u));
    }
    std::sort(frequencyRatios.begin(), frequencyRatios.end());
    return frequencyRatios;
}

HalfPowerBandwidth FindHalfPowerBandwidth(const PiNetworkComponents& network) {
    const double f = network.frequencyHz;
    const RelativePower power(network);
    const std::vector<double> turningRatios = TurningPointRatios(network);

    // Upward from f: the first turning point beyond the crossing closes the
    // bracket; past the last one |Z21| is monotonic, and doubling the frequency
    // finds the crossing or overflows to infinity when there is none.
    double upperEdgeHz = kNaN;
    double insideHz = f;
    for (const double ratio : turningRatios) {
        if (ratio <= 1.0) continue;
        const double turnHz = f * ratio;
        if (power.AtOrBelowHalf(turnHz)) {
            upperEdgeHz = BisectHalfPower(power, insideHz, turnHz);
            break;
        }
        insideHz = turnHz;
    }
    while (std::isnan(upperEdgeHz)) {
        const double nextHz = insideHz * 2.0;
        if (!std::isfinite(nextHz)) break;
        if (power.AtOrBelowHalf(nextHz)) {
            upperEdgeHz = BisectHalfPower(power, insideHz, nextHz);
        } else {
            insideHz = nextHz;
        }
    }

    // Downward from f, with zero frequency as the last bracket end.
    double lowerEdgeHz = kNaN;
    insideHz = f;
    for (auto it = turningRatios.rbegin(); it != turningRatios.rend(); ++it) {
        if (*it >= 1.0) continue;
        const double turnHz = f * *it;
        if (power.AtOrBelowHalf(turnHz)) {
            lowerEdgeHz = BisectHalfPower(power, insideHz, turnHz);
            break;
        }
        insideHz = turnHz;
    }
    if (std::isnan(lowerEdgeHz) && power.AtOrBelowHalf(0.0)) {
        lowerEdgeHz = BisectHalfPower(power, insideHz, 0.0);
    }

    HalfPowerBandwidth bandwidth;
    bandwidth.lowerEdgeHz = lowerEdgeHz;
    bandwidth.upperEdgeHz = upperEdgeHz;
    bandwidth.bandwidthHz = upperEdgeHz - lowerEdgeHz;
    bandwidth.operatingQ = f / bandwidth.bandwidthHz;
    return bandwidth;
}

ComponentStress Stress(Complex volts, Complex amps) {
    ComponentStress stress;
    stress.rmsVolts = std::abs(volts);
    stress.peakVolts = stress.rmsVolts * std::numbers::sqrt2;
    stress.rmsAmps = std::abs(amps);
    stress.peakAmps = stress.rmsAmps * std::numbers::sqrt2;
    stress.reactiveVoltAmps = stress.rmsVolts * stress.rmsAmps;
    return stress;
}

}  // namespace

PiNetworkComponents ComponentsOfDesign(const PiNetworkInputs& inputs,
                                       const PiNetworkResult& design) {
    PiNetworkComponents network;
    network.plateOhms = inputs.plateOhms;
    network.antennaOhms = inputs.antennaOhms;
    network.frequencyHz = inputs.frequencyHz;
    network.c1Farads = design.c1Farads;
    network.lHenries = design.lHenries;
    network.c2Farads = design.c2Farads;
    return network;
}

bool IsAnalyzableNetwork(const PiNetworkComponents& network) {
    auto positive = [](double x) { return x > 0.0 && std::isfinite(x); };
    auto notNegative = [](double x) { return x >= 0.0 && std::isfinite(x); };
    return positive(network.plateOhms) && positive(network.antennaOhms) &&
           positive(network.frequencyHz) && positive(network.lHenries) && positive(network.twoPi) &&
           notNegative(network.c1Farads) && notNegative(network.c2Farads);
}

Complex PlateImpedanceOhms(const PiNetworkComponents& network, double frequencyHz) {
    return Respond(network, frequencyHz).plateOhms;
}

Complex TransferImpedanceOhms(const PiNetworkComponents& network, double frequencyHz) {
    return Respond(network, frequencyHz).transferOhms;
}

double TransferRelativeDb(const PiNetworkComponents& network, double frequencyHz) {
    const double at = std::abs(TransferImpedanceOhms(network, frequencyHz));
    const double reference = std::abs(TransferImpedanceOhms(network, network.frequencyHz));
    return 20.0 * std::log10(at / reference);
}

PiNetworkAnalysis AnalyzePiNetwork(const PiNetworkComponents& network) {
    PiNetworkAnalysis analysis;
    const double f = network.frequencyHz;
    for (int i = 0; i < kHarmonicCount; ++i) {
        analysis.harmonics[i].harmonic = kFirstHarmonic + i;
        analysis.harmonics[i].frequencyHz = f * (kFirstHarmonic + i);
        analysis.harmonics[i].attenuationDb = kNaN;
    }
    analysis.analyzable = IsAnalyzableNetwork(network);
    if (!analysis.analyzable) {
        analysis.match = {Complex(kNaN, kNaN), kNaN, kNaN};
        analysis.transferImpedanceOhms = Complex(kNaN, kNaN);
        analysis.bandwidth = {kNaN, kNaN, kNaN, kNaN};
        return analysis;
    }

    const NetworkResponse response = Respond(network, f);
    const double r1 = network.plateOhms;
    const Complex zin = response.plateOhms;
    const double reflection = std::abs((zin - r1) / (zin + r1));
    analysis.match.plateImpedanceOhms = zin;
    analysis.match.relativeError = std::abs(zin - r1) / r1;
    analysis.match.swr = (1.0 + reflection) / (1.0 - reflection);
    analysis.transferImpedanceOhms = response.transferOhms;

    for (HarmonicAttenuation& h : analysis.harmonics) {
        h.attenuationDb = -TransferRelativeDb(network, h.frequencyHz);
    }
    analysis.bandwidth = FindHalfPowerBandwidth(network);
    return analysis;
}

PiNetworkStress AnalyzeStress(const PiNetworkComponents& network, double antennaWatts) {
    PiNetworkStress stress;
    stress.antennaWatts = antennaWatts;
    if (!IsAnalyzableNetwork(network)) {
        const ComponentStress none{kNaN, kNaN, kNaN, kNaN, kNaN};
        stress.plateRmsAmps = stress.plateRmsVolts = stress.plateWatts = kNaN;
        stress.c1 = stress.l = stress.c2 = none;
        return stress;
    }

    const double omega = network.frequencyHz * network.twoPi;
    const NetworkResponse response = Respond(network, network.frequencyHz);
    // The antenna voltage sets the phase reference; everything else follows
    // from the plate current that drives it.
    const Complex antennaVolts(std::sqrt(antennaWatts * network.antennaOhms), 0.0);
    const Complex plateAmps = antennaVolts / response.transferOhms;
    const Complex plateVolts = plateAmps * response.plateOhms;
    const Complex coilVolts = plateVolts - antennaVolts;

    stress.plateRmsAmps = std::abs(plateAmps);
    stress.plateRmsVolts = std::abs(plateVolts);
    stress.plateWatts = std::norm(plateAmps) * response.plateOhms.real();
    stress.c1 = Stress(plateVolts, plateVolts * Complex(0.0, omega * network.c1Farads));
    stress.l = Stress(coilVolts, coilVolts / Complex(0.0, omega * network.lHenries));
    stress.c2 = Stress(antennaVolts, antennaVolts * Complex(0.0, omega * network.c2Farads));
    return stress;
}

}  // namespace tavilo::calc
