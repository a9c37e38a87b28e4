#include "app/contentspageswiring.h"

#include "app/application.h"

ContentsPagesWiring::ContentsPagesWiring(Application& program)
    : m_program(program)
{
}

ContentsPagesWiring::~ContentsPagesWiring() = default;
