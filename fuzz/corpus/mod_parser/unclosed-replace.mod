<id>
x
</id>
<edit file>
a.pl
</edit file>
<search for>
a
</search for>
<replace>
b
c