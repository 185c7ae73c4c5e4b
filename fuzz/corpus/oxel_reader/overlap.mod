<edit file>
a.pl
<search for>
x <replace> y
</search for>
</edit file>
<replace>
z
</replace>
<add before>