// SPDX-License-Identifier: GPL-3.0-or-later
#include "tutor.h"

int main(int argc, char* argv[])
{
    return radixon::runTutor(argc, argv);
}
