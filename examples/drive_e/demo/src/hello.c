#include <stdio.h>

int main(void)
{
    puts("hello from the demo");
    return 0;
}
