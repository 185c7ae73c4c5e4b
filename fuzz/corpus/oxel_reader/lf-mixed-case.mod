<ID>
A
B
</Id>
<Mod Info>


line

</mod info>
<add after>
no file yet
</add after>
<edit file>
x/y.pl
</edit file>
<search for>
</search for>
<replace>
r
</replace>