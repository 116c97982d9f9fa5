#!/usr/bin/perl
# Reads one METAR report per line and prints one JSON object per line with
# what Geo::METAR makes of it (C, knots, hPa), for the cross-check driver.
use strict;
use warnings;
use Geo::METAR;
use JSON::PP;

my $json = JSON::PP->new->canonical->allow_nonref;
while (my $line = <STDIN>) {
    chomp $line;
    my $m = Geo::METAR->new;
    local $SIG{__WARN__} = sub { };
    eval { $m->metar($line) };
    my %r;
    $r{station} = $m->{site} if defined $m->{site};
    @r{qw(day hour minute)} = map { $_ + 0 } ($1, $2, $3)
        if defined $m->{date_time} && $m->{date_time} =~ /^(\d\d)(\d\d)(\d\d)Z$/;
    $r{temp} = $m->{TEMP_C} + 0 if defined $m->{TEMP_C} && $m->{TEMP_C} ne '';
    $r{dew} = $m->{DEW_C} + 0 if defined $m->{DEW_C} && $m->{DEW_C} ne '';
    $r{wind_kt} = $m->{WIND_KTS} + 0 if defined $m->{WIND_KTS} && $m->{WIND_KTS} ne '';
    $r{gust_kt} = $m->{WIND_GUST_KTS} + 0 if defined $m->{WIND_GUST_KTS} && $m->{WIND_GUST_KTS} ne '';
    if (defined $m->{WIND_DIR_DEG} && $m->{WIND_DIR_DEG} ne '') {
        $r{dir} = $m->{WIND_DIR_DEG} =~ /^\d+$/ ? $m->{WIND_DIR_DEG} + 0 : 'VRB';
    }
    # Geo::METAR has no km/h wind; say so rather than report no wind.
    $r{wind_kmh} = 1 if $line =~ /(?:^|\s)(?:\d{3}|VRB)\d{2}(?:G\d{2,3})?KMH(?:\s|$)/;
    $r{hpa} = $m->{ALT_HP} + 0 if defined $m->{ALT_HP} && $m->{ALT_HP} ne '';
    $r{weather} = [ @{ $m->{weather} || [] } ];
    print $json->encode(\%r), "\n";
}
