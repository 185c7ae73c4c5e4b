<id>
x
</id>
<search for>
never closed