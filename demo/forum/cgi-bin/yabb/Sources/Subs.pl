###############################################################################
# Subs.pl - helpers every script of the Kestrune demo forum uses.             #
###############################################################################

$subsplver = '2.1 demo';

sub ReadInput {
	foreach my $pair (split(/[&;]/, $ENV{'QUERY_STRING'})) {
		my ($key, $value) = split(/=/, $pair, 2);
		$INFO{$key} = &Unescape($value);
	}
}

sub Unescape {
	my $text = shift;
	$text =~ tr/+/ /;
	$text =~ s/%([0-9a-fA-F]{2})/chr(hex($1))/ge;
	return $text;
}

sub LoadCookie {
	$username = 'Guest';
	foreach my $cookie (split(/; */, $ENV{'HTTP_COOKIE'})) {
		my ($name, $value) = split(/=/, $cookie, 2);
		$username = $value if $name eq $cookieusername;
	}
}

sub template {
	my $yytemplate = &ReadTemplate("$templatesdir/$templatefile");
	$yytemplate =~ s/\{yabb title\}/$yytitle/g;
	$yytemplate =~ s/\{yabb mbname\}/$mbname/g;
	$yytemplate =~ s/\{yabb menu\}/$yymenu/g;
	$yytemplate =~ s/\{yabb main\}/$yymain/g;
	print "Content-type: text/html\n\n";
	print $yytemplate;
}

sub ReadTemplate {
	my $path = shift;
	open(my $in, '<', $path) || &fatal_error("cannot read $path");
	local $/;
	my $text = readline($in);
	close($in);
	return $text;
}

sub fatal_error {
	my $why = shift;
	$yytitle = 'An error occurred';
	$yymain = qq~<p class="error">$why</p>~;
	&template;
	exit;
}

1;
