#include "tutor.h"

int main(int argc, char* argv[])
{
    return radixon::runTutor(argc, argv);
}
