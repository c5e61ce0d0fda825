// SPDX-License-Identifier: PolyForm-Noncommercial-1.0.0
// Writing the plot file.
#include "cli/plot_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "report/transfer_plot_svg.h"

namespace tavilo::cli {

std::optional<std::string> WritePlotFile(const std::string& path,
                                         const calc::PiNetworkComponents& network,
                                         std::optional<double> antennaWatts) {
    const std::string svg = report::TransferPlotSvg(network, antennaWatts);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return std::string(std::strerror(errno));
    const bool written = std::fwrite(svg.data(), 1, svg.size(), file) == svg.size();
    const int writeError = errno;
    // fclose flushes: a full disk may show only here.
    const bool closed = std::fclose(file) == 0;
    if (!written) return std::string(std::strerror(writeError));
    if (!closed) return std::string(std::strerror(errno));
    return std::nullopt;
}

}  // namespace tavilo::cli
