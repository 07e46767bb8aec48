// The texts of the wizard pages that name the product.
#pragma once
#include <string>
#include <string_view>

std::string WelcomeText(std::string_view title);
// "... in the following directory", without a full stop.
std::string DestinationText(std::string_view title);
// "... to exit the Setup program", without a full stop.
std::string NotInstallingText(std::string_view title);
