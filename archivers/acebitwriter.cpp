#include "acebitwriter.h"

void AceBitWriter::padToWord()
{
    if (m_pendingBits > 0)
        put(0, 32 - m_pendingBits);
}

void AceBitWriter::takeWords(QByteArray& out)
{
    out.append(m_words);
    m_words.resize(0); // keeps the capacity for the next block
}
