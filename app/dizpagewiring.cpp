#include "app/dizpagewiring.h"

#include "app/application.h"

DizPageWiring::DizPageWiring(Application& program)
    : m_program(program)
{
}

DizPageWiring::~DizPageWiring() = default;
