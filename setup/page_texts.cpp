#include "setup/page_texts.h"

std::string WelcomeText(std::string_view title)
{
    const std::string name(title);
    return "Welcome to the " + name + " Setup program. This program will install " + name +
           " on your system.";
}

std::string DestinationText(std::string_view title)
{
    return "Setup will install " + std::string(title) + " in the following directory";
}

std::string NotInstallingText(std::string_view title)
{
    return "You can choose not to install " + std::string(title) +
           ", click Cancel to exit the Setup program";
}
