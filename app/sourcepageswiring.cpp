#include "app/sourcepageswiring.h"

#include "app/application.h"

SourcePagesWiring::SourcePagesWiring(Application& program)
    : m_program(program)
{
}

SourcePagesWiring::~SourcePagesWiring() = default;
