#include "app/startup.h"

int main(int argc, char** argv)
{
    return tillora::run(argc, argv);
}
